' 0 / 0 has no value and raises 6 (Overflow); any other number divided by 0 raises 11.
On Error Resume Next
x = 0 / 0
WScript.Echo Err.Number, Err.Description
' expect: 6 Overflow
Err.Clear
x = -3 / 0 : WScript.Echo Err.Number : Err.Clear
x = 0.5 / CDbl(0) : WScript.Echo Err.Number : Err.Clear
' expect: 11
' expect: 11
x = 0 \ 0 : WScript.Echo Err.Number : Err.Clear
' expect: 11
On Error GoTo 0
z = 0
y = z / z
' expect runtime error: Overflow
