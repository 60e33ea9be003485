' Counts too large for a Long overflow; counts too large for memory fail cleanly.
On Error Resume Next
x = String(2 ^ 31, "x")
' expect: 6
WScript.Echo Err.Number
Err.Clear
x = String(2 ^ 30, "x")
' expect: 7
WScript.Echo Err.Number
Err.Clear
x = Space(-1)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Space(2 ^ 28 + 1)
' expect: 7
WScript.Echo Err.Number
Err.Clear
x = Mid("abc", 2 ^ 31)
' expect: 6
WScript.Echo Err.Number
Err.Clear
' The largest Long is a fine length and start.
' expect: abc||0
WScript.Echo Left("abc", 2147483647) & "|" & Mid("abc", 2147483647) & "|" & InStr(2147483647, "abc", "c")
' More parts than an array may hold: counted first, refused with error 7.
x = Split(String(2 ^ 24, ","), ",")
' expect: 7
WScript.Echo Err.Number
