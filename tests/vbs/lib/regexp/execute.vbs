Set re = New RegExp
re.Pattern = "(\w+)@(\w+)\.com"
re.Global = True
Set matches = re.Execute("mail ann@example.com, bob@test.com now")
' expect: IMatchCollection2 2
WScript.Echo TypeName(matches), matches.Count
Set m = matches(1)
' expect: IMatch2 bob@test.com 22 12
WScript.Echo TypeName(m), m.Value, m.FirstIndex, m.Length
' The default member of a Match is its Value.
' expect: ann@example.com
WScript.Echo matches.Item(0)
' expect: 2 bob test
WScript.Echo m.SubMatches.Count, m.SubMatches(0), m.SubMatches.Item(1)
s = ""
For Each m In matches
    s = s & m.FirstIndex & ":" & m & " "
Next
' expect: 5:ann@example.com 22:bob@test.com
WScript.Echo Trim(s)
