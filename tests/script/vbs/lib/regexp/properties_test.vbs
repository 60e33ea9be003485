Set re = New RegExp
' expect: IRegExp2 False False False []
WScript.Echo TypeName(re), re.Global, re.IgnoreCase, re.Multiline, "[" & re.Pattern & "]"
re.Pattern = "^\d{3}-\d{4}$"
' expect: True False
WScript.Echo re.Test("555-1234"), re.Test("555-12345")
re.Pattern = "abc"
' expect: False
WScript.Echo re.Test("xABCx")
re.IgnoreCase = True
' expect: True True
WScript.Echo re.Test("xABCx"), re.IgnoreCase
