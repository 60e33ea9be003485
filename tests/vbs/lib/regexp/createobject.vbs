' CreateObject("VBScript.RegExp") makes the same object as New RegExp, a new one each time.
Set re = CreateObject("vbscript.regexp")
Set other = CreateObject("VBScript.RegExp")
' expect: IRegExp2 False
WScript.Echo TypeName(re), CStr(re Is other)
re.Pattern = "\d+"
re.Global = True
' expect: 2 a[42]b[7]
WScript.Echo re.Execute("a42b7").Count, re.Replace("a42b7", "[$&]")
' The second object kept its own settings.
' expect: [] False
WScript.Echo "[" & other.Pattern & "]", CStr(other.Global)
