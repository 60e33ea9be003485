' Integer results that overflow become Long, then Double.
x = 32767
WScript.Echo TypeName(x), TypeName(x + 1), x + 1
' expect: Integer Long 32768
y = 2147483647
WScript.Echo TypeName(y), TypeName(y + 1), y + 1
' expect: Long Double 2147483648
WScript.Echo TypeName(200 * 200), 200 * 200
' expect: Long 40000
z = -32767 - 1
WScript.Echo TypeName(z), TypeName(-z), -z
' expect: Integer Long 32768
WScript.Echo TypeName(CByte(200) + CByte(50)), TypeName(CByte(200) + CByte(100))
' expect: Byte Integer
