On Error Resume Next
x = 1 / 0
WScript.Echo Err.Number, Err.Description
' expect: 11 Division by zero
Err.Clear
x = 5 Mod 0
WScript.Echo Err.Number
' expect: 11
On Error GoTo 0
x = 1 \ 0
' expect runtime error: Division by zero
