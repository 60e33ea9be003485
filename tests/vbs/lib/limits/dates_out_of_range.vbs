' Dates stay within the years 100 to 9999.
On Error Resume Next
x = DateSerial(32767, 32767, 32767)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = DateSerial(-32768, 1, 1)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = DateAdd("s", 2147483647, DateSerial(9999, 12, 31))
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = DateAdd("yyyy", -2147483647, Date)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Year(1E+100)
' expect: 6
WScript.Echo Err.Number
Err.Clear
x = DateSerial(2024, 1, 100000)
' expect: 6
WScript.Echo Err.Number
Err.Clear
' The first and last days are fine.
' expect: 1/1/100 12/31/9999
WScript.Echo DateSerial(100, 1, 1), DateSerial(9999, 12, 31)
' expect: 2 30
WScript.Echo DateDiff("d", DateSerial(100, 1, 1), DateSerial(100, 1, 3)), Day(DateAdd("d", -1, DateSerial(9999, 12, 31)))
