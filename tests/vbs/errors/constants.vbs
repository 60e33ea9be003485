Const Pi = 3.14159, Name = "const"
WScript.Echo Pi * 2, Name
' expect: 6.28318 const
On Error Resume Next
Pi = 3
WScript.Echo Err.Number, Err.Description, Pi
' expect: 501 Illegal assignment 3.14159
