' A string that doubles without end runs out of memory, not of machine.
On Error Resume Next
s = "0123456789abcdef"
For i = 1 To 40
    s = s & s
    If Err.Number <> 0 Then Exit For
Next
WScript.Echo Err.Number, Err.Description
' expect: 7 Out of memory
