' Word counting with a dictionary and a string built line by line.
text = "the cat and the hat and the bat"
Set counts = CreateObject("Scripting.Dictionary")
For Each w In Split(text, " ")
    If counts.Exists(w) Then counts(w) = counts(w) + 1 Else counts.Add w, 1
Next
report = ""
For Each w In counts.Keys
    report = report & w & "=" & counts(w) & ";"
Next
WScript.Echo report
' expect: the=3;cat=1;and=2;hat=1;bat=1;
WScript.Echo UCase(Left(report, 3)) & " " & FormatNumber(counts("the") / 7 * 100, 1) & "%"
' expect: THE 42.9%
