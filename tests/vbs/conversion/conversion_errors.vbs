On Error Resume Next
x = CInt(40000)
WScript.Echo Err.Number, Err.Description
' expect: 6 Overflow
Err.Clear
x = CByte(-1)
WScript.Echo Err.Number
' expect: 6
Err.Clear
x = CLng("abc")
WScript.Echo Err.Number, Err.Description
' expect: 13 Type mismatch
Err.Clear
x = CStr(Null)
WScript.Echo Err.Number, Err.Description
' expect: 94 Invalid use of Null
Err.Clear
x = CDbl("")
WScript.Echo Err.Number
' expect: 13
On Error GoTo 0
x = "abc" * 2
' expect runtime error: Type mismatch
