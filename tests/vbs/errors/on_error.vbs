On Error Resume Next
x = 1 / 0
WScript.Echo "continued", Err.Number
' expect: continued 11
Err.Clear
WScript.Echo Err.Number
' expect: 0
Err.Raise 1000, "MySource", "My own error"
WScript.Echo Err.Number, Err.Source, Err.Description
' expect: 1000 MySource My own error
Err.Raise 9
WScript.Echo Err.Number, Err.Description
' expect: 9 Subscript out of range
Err.Raise vbObjectError + 1
WScript.Echo Err.Number = vbObjectError + 1
' expect: -1
On Error GoTo 0
WScript.Echo Err.Number
' expect: 0
Err.Raise 13
' expect runtime error: Type mismatch
