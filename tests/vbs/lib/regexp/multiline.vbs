Set re = New RegExp
re.Pattern = "^b"
re.Global = True
' expect: a|b|b
WScript.Echo Replace(re.Replace("a" & vbLf & "b" & vbLf & "b", "X"), vbLf, "|")
re.Multiline = True
' expect: a|X|X
WScript.Echo Replace(re.Replace("a" & vbLf & "b" & vbLf & "b", "X"), vbLf, "|")
