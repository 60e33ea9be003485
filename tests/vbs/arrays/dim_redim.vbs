Dim a(3)
WScript.Echo UBound(a), LBound(a), IsEmpty(a(0))
' expect: 3 0 -1
Dim grid(2, 4)
grid(2, 4) = "corner"
WScript.Echo UBound(grid, 1), UBound(grid, 2), grid(2, 4)
' expect: 2 4 corner
Dim d()
ReDim d(2)
d(0) = "a": d(1) = "b": d(2) = "c"
ReDim Preserve d(4)
WScript.Echo d(1), IsEmpty(d(4)), UBound(d)
' expect: b -1 4
ReDim d(1)
WScript.Echo IsEmpty(d(0))
' expect: -1
ReDim m(1, 1)
m(1, 1) = 5
ReDim Preserve m(1, 3)
WScript.Echo m(1, 1), UBound(m, 2)
' expect: 5 3
b = Array(1, "two", 3.5)
WScript.Echo UBound(b), b(1), TypeName(b)
' expect: 2 two Variant()
e = Array()
WScript.Echo UBound(e)
' expect: -1
