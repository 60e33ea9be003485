' A group that took no part in the match gives Empty.
Set re = New RegExp
re.Pattern = "(a)|(b)"
Set m = re.Execute("b")(0)
' expect: -1 b 2
WScript.Echo IsEmpty(m.SubMatches(0)), m.SubMatches(1), m.SubMatches.Count
s = ""
For Each g In m.SubMatches
    s = s & "[" & g & "]"
Next
' expect: [][b]
WScript.Echo s
