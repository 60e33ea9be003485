' Found by fuzzing: a string doubled past the size limit under On Error Resume Next
' used to copy the whole string on every failed pass and ran for seconds.
On Error Resume Next
s = "0123456789abcdef"
For i = 1 To 40
    s = s & s
Next
WScript.Echo Err.Number, Err.Description
' expect: 7 Out of memory
