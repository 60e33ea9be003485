' A bad pattern is reported when it is used, with the language's error numbers.
Set re = New RegExp
On Error Resume Next
re.Pattern = "(a"
' expect: 0
WScript.Echo Err.Number
x = re.Test("a")
' expect: 5020 Expected ')' in regular expression
WScript.Echo Err.Number, Err.Description
Err.Clear
re.Pattern = "[a"
x = re.Test("a")
' expect: 5019
WScript.Echo Err.Number
Err.Clear
re.Pattern = "*a"
Set m = re.Execute("a")
' expect: 5018
WScript.Echo Err.Number
Err.Clear
re.Pattern = "[z-a]"
x = re.Replace("a", "b")
' expect: 5021
WScript.Echo Err.Number
