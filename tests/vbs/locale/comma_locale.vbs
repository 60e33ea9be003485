' locale: italian
' Under a comma locale numbers print and parse with a decimal comma.
WScript.Echo 1.5, 1 / 4, CDbl("1,5"), CDbl("1.234,5")
' expect: 1,5 0,25 1,5 1234,5
WScript.Echo CStr(2.5) & "|", IsNumeric("3,25"), "2,5" + 1
' expect: 2,5| -1 3,5
WScript.Echo #1/5/2024#
' expect: 05/01/2024
