' A pattern that backtracks without end stops with an ordinary error 5.
Set re = New RegExp
re.Pattern = "(a+)+b"
On Error Resume Next
x = re.Test(String(3000, "a"))
' expect: 5 Regular expression too complex to search this text
WScript.Echo Err.Number, Err.Description
