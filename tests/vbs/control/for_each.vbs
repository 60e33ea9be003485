Dim a(2)
a(0) = "x": a(1) = "y": a(2) = "z"
For Each item In a
    WScript.Echo item
Next
' expect: x
' expect: y
' expect: z
For Each n In Array(1, 2, 3)
    s = s + n
    If n = 2 Then Exit For
Next
WScript.Echo s
' expect: 3
Dim m(1, 1)
m(0, 0) = 1: m(1, 0) = 2: m(0, 1) = 3: m(1, 1) = 4
For Each v In m: t = t & v: Next
WScript.Echo t
' expect: 1234
For Each v In 5: Next
' expect runtime error: Object not a collection
