Sub Bump(n)
    n = n + 1
End Sub
Sub BumpByVal(ByVal n)
    n = n + 1
End Sub
x = 1
Bump x
WScript.Echo x
' expect: 2
BumpByVal x
WScript.Echo x
' expect: 2
Call Bump(x)
WScript.Echo x
' expect: 3
Bump (x)
WScript.Echo x
' expect: 3
Bump x + 0
WScript.Echo x
' expect: 3
Function Twice(ByRef v)
    v = v * 2
    Twice = v
End Function
y = 5
z = Twice(y)
WScript.Echo y, z
' expect: 10 10
