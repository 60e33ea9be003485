Set re = New RegExp
re.Pattern = "o"
' expect: hellX world
WScript.Echo re.Replace("hello world", "X")
re.Global = True
' expect: hellX wXrld
WScript.Echo re.Replace("hello world", "X")
' $1.. are the groups, $& the match, $$ a dollar sign.
re.Pattern = "(\S+)(\s+)(\S+)"
re.Global = False
' expect: world hello
WScript.Echo re.Replace("hello world", "$3$2$1")
re.Pattern = "\d+"
re.Global = True
' expect: <12> <345> x
WScript.Echo re.Replace("12 345 x", "<$&>")
re.Pattern = "x"
' expect: 1$2
WScript.Echo re.Replace("1x2", "$$")
' Empty matches: one between every pair of characters and at both ends.
re.Pattern = "x*"
' expect: -a-b-c-
WScript.Echo re.Replace("abc", "-")
