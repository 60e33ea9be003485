' Negative lengths and starts before 1 are the caller's mistake: error 5 each.
On Error Resume Next
x = Left("abc", -1)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Right("abc", -1)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Mid("abc", 1, -1)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Left("abc", Null)
' expect: 94
WScript.Echo Err.Number
