On Error Resume Next
ReDim a(100000, 100000)
WScript.Echo Err.Number, Err.Description
' expect: 7 Out of memory
Err.Clear
Dim b(2147483647)
WScript.Echo Err.Number
' expect: 7
