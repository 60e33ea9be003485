' Without Global, Execute finds the first match only.
Set re = New RegExp
re.Pattern = "\d+"
Set matches = re.Execute("a1 b22 c333")
' expect: 1 1
WScript.Echo matches.Count, matches(0)
Set none = re.Execute("no digits")
' expect: 0
WScript.Echo none.Count
x = matches(1)
' expect runtime error: Invalid procedure call or argument
