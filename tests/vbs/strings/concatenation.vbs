WScript.Echo "a" & 1 & True & Null & 2.5
' expect: a1True2.5
WScript.Echo IsNull(Null & Null), TypeName(1 & 2), 1 & 2
' expect: -1 String 12
s = ""
For i = 1 To 5
    s = s & i
Next
WScript.Echo s
' expect: 12345
t = "x"
t = t & t & t
WScript.Echo t
' expect: xxx
u = "ab"
v = u
u = u & "c"
WScript.Echo u, v
' expect: abc ab
w = Empty
w = w & "start"
WScript.Echo w
' expect: start
