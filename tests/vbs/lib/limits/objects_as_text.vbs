' An object stands for its default value; one without a usable default is an error.
Set re = New RegExp
re.Pattern = "\w+"
Set m = re.Execute("hello world")(0)
' expect: 5 HELLO
WScript.Echo Len(m), UCase(m)
On Error Resume Next
x = Len(re)
' expect: 438
WScript.Echo Err.Number
Err.Clear
Set nothingHere = Nothing
x = UCase(nothingHere)
' expect: 91
WScript.Echo Err.Number
Err.Clear
x = Join(Array(1, 2), re)
' expect: 438
WScript.Echo Err.Number
