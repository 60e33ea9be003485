Set d = CreateObject("Scripting.Dictionary")
' expect: 0
WScript.Echo d.CompareMode
d.CompareMode = vbTextCompare
d.Add "Key", 1
' expect: 1 -1 1
WScript.Echo d.CompareMode, d.Exists("KEY"), d("kEy")
' Keys keep the spelling they were added with.
' expect: Key
WScript.Echo Join(d.Keys)
' The comparison cannot change once the dictionary holds keys.
d.CompareMode = vbBinaryCompare
' expect runtime error: Invalid procedure call or argument
