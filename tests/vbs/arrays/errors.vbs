Dim a(2)
On Error Resume Next
x = a(3)
WScript.Echo Err.Number, Err.Description
' expect: 9 Subscript out of range
Err.Clear
ReDim a(5)
WScript.Echo Err.Number, Err.Description
' expect: 10 This array is fixed or temporarily locked
Err.Clear
Dim d()
x = UBound(d)
WScript.Echo Err.Number
' expect: 9
Err.Clear
n = 5
x = n(1)
WScript.Echo Err.Number
' expect: 13
On Error GoTo 0
a(-1) = 1
' expect runtime error: Subscript out of range
