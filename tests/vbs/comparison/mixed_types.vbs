' Comparisons between numbers, numeric strings and strings.
Dim n, s
n = 10: s = "10"
WScript.Echo n = s, n < s, s > n
' expect: 0 -1 -1
WScript.Echo 10 = "10", "10" = 10, n = "10"
' expect: -1 -1 -1
WScript.Echo "abc" < "abd", "B" < "a", "abc" = "ABC", "" = Empty, 0 = Empty
' expect: -1 -1 0 -1 -1
WScript.Echo IsNull(1 = Null), IsNull(Null = Null), 1 < 2 = True
' expect: -1 -1 -1
WScript.Echo 2 < 10, "2" < "10", True = -1, 1.0 = 1
' expect: -1 0 -1 -1
s = "abc"
n = 5
WScript.Echo n < s
' expect: -1
y = 5 = "x"
' expect runtime error: Type mismatch
