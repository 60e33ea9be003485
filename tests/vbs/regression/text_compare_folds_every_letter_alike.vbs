' Text comparison folds Greek and Cyrillic letters the same way wherever it
' is used: dictionary keys, StrComp, InStr and Filter.
Set d = CreateObject("Scripting.Dictionary")
d.CompareMode = 1
d.Add "Σύνολο", 1
' expect: -1 -1
WScript.Echo d.Exists("σύνολο"), d.Exists("ΣΎΝΟΛΟ")
' expect: 0 2 Ωμέγα
WScript.Echo StrComp("Привет", "ПРИВЕТ", 1), InStr(1, "ΑΒΓ", "β", 1), Filter(Array("Ωμέγα", "x"), "ω", True, 1)(0)
' expect: 0
WScript.Echo "σ" = "Σ"
