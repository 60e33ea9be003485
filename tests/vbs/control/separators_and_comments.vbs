Rem a comment line
x = 1 : y = 2 ' trailing comment
z = x + _
    y
WScript.Echo z : Rem after a colon
' expect: 3
s = "it's ""quoted"""
WScript.Echo s
' expect: it's "quoted"
WScript.Echo "a" & _
             "b" & _
             "c"
' expect: abc
[my var] = 7
WScript.Echo [my var] * 2
' expect: 14
