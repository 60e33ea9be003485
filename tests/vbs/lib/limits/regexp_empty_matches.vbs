' A million empty matches: each search moves one character on, never stalls.
Set re = New RegExp
re.Pattern = "x*"
re.Global = True
Set m = re.Execute(String(1000000, "a"))
' expect: 1000001 999999
WScript.Echo m.Count, m(999999).FirstIndex
x = re.Replace(String(1000000, "a"), "")
' expect: 1000000
WScript.Echo Len(x)
