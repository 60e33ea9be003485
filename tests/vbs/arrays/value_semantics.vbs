' Assigning an array copies it.
a = Array(1, 2, 3)
b = a
b(0) = 99
WScript.Echo a(0), b(0)
' expect: 1 99
Sub Change(arr)
    arr(1) = "changed"
End Sub
Change a
WScript.Echo a(1)
' expect: changed
Function Make()
    Dim r(1)
    r(0) = "made"
    Make = r
End Function
c = Make()
WScript.Echo c(0)
' expect: made
Erase c
WScript.Echo IsArray(c)
' expect: -1
Dim fixed(2)
fixed(1) = 4
Erase fixed
WScript.Echo UBound(fixed), IsEmpty(fixed(1))
' expect: 2 -1
