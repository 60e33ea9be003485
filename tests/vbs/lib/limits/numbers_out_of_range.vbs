On Error Resume Next
x = Exp(710)
' expect: 6
WScript.Echo Err.Number
Err.Clear
x = FormatPercent(1E+307)
' expect: 6
WScript.Echo Err.Number
Err.Clear
x = Abs(CCur("-922337203685477.5808"))
' expect: 6
WScript.Echo Err.Number
Err.Clear
x = FormatNumber(1, 256)
' expect: 5
WScript.Echo Err.Number
Err.Clear
' Very many decimals are fine where they change nothing.
' expect: 1.25 1E+308 1.25
WScript.Echo Round(1.25, 100000), Round(1E+308, 5), Round(1.25, 2147483647)
' expect: 309
WScript.Echo Len(FormatNumber(1E+308, 0, , , False))
