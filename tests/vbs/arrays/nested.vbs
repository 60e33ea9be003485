' Arrays of arrays: read and written through chained indices.
Dim arr
arr = Array(Array(1, 2), Array(3, 4))
WScript.Echo arr(1)(0)
' expect: 3
arr(1)(0) = 9
WScript.Echo arr(1)(0), arr(0)(1)
' expect: 9 2
copy = arr
copy(0)(0) = "changed"
WScript.Echo arr(0)(0), copy(0)(0)
' expect: 1 changed
x = Array(1, 2, 3)
For Each e In x: e = e * 2: Next
WScript.Echo x(0)
' expect: 1
arr(5)(0) = 1
' expect runtime error: Subscript out of range
