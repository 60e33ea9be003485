Dim a(3), m(2, 2)
ReDim Preserve a(5)
a(5) = "five"
m(1, 2) = Array(1, 2, 3)
For Each x In m(1, 2) : t = t + x : Next
parts = Split("a,b,,c", ",")
TotX = UBound(parts) & Join(parts, "|") & LBound(a) & t
Erase a
