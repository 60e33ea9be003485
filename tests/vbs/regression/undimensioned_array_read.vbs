' Found by fuzzing: reading a dynamic array that was never dimensioned with empty
' parentheses read past the end of its storage.
Dim d()
On Error Resume Next
x = d()
WScript.Echo Err.Number, Err.Description
' expect: 9 Subscript out of range
