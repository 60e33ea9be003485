' Two decimals and grouping by default; halves round away from zero.
' expect: 1,234,567.89|-1|0.13|3
WScript.Echo FormatNumber(1234567.891) & "|" & FormatNumber(-0.5, 0) & "|" & FormatNumber(0.125, 2) & "|" & FormatNumber(2.5, 0)
' expect: 1234.5|(1234.5)|.50|0.50
WScript.Echo FormatNumber(1234.5, 1, vbTrue, vbFalse, vbFalse) & "|" & FormatNumber(-1234.5, 1, 0, -1, 0) & "|" & FormatNumber(0.5, 2, vbFalse) & "|" & FormatNumber(0.5, 2, vbUseDefault)
' A number that rounds to zero shows no minus sign.
' expect: 0.00|1,000
WScript.Echo FormatNumber(-0.001) & "|" & FormatNumber("1000", 0)
' expect: 1.0000000000
WScript.Echo FormatNumber(1, 10, , , False)
On Error Resume Next
x = FormatNumber("abc")
' expect: 13
WScript.Echo Err.Number
Err.Clear
x = FormatNumber(1, -2)
' expect: 5
WScript.Echo Err.Number
