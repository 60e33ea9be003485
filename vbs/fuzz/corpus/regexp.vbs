Set r = New RegExp
r.Pattern = "(\d+)\s*([a-z]+)"
r.Global = True
r.IgnoreCase = True
For Each m In r.Execute("12 apples, 7 PEARS")
    t = t & m.SubMatches(1) & "=" & m.SubMatches(0) & ";"
Next
TotX = t & r.Replace("1 a 2 b", "$2$1") & r.Test("none")
