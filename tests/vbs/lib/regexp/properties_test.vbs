Set re = New RegExp
' expect: IRegExp2 0 0 0 []
WScript.Echo TypeName(re), re.Global, re.IgnoreCase, re.Multiline, "[" & re.Pattern & "]"
re.Pattern = "^\d{3}-\d{4}$"
' expect: -1 0
WScript.Echo re.Test("555-1234"), re.Test("555-12345")
re.Pattern = "abc"
' expect: 0
WScript.Echo re.Test("xABCx")
re.IgnoreCase = True
' expect: -1 -1
WScript.Echo re.Test("xABCx"), re.IgnoreCase
