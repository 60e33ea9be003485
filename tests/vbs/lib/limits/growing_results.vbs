' A replacement that would build a string past the limit fails with error 7 before
' the memory is taken.
big = String(300000, "b")
On Error Resume Next
x = Replace(String(1000, "a"), "a", big)
' expect: 7 Out of memory
WScript.Echo Err.Number, Err.Description
Err.Clear
Set re = New RegExp
re.Global = True
re.Pattern = "a"
x = re.Replace(String(1000, "a"), big)
' expect: 7
WScript.Echo Err.Number
