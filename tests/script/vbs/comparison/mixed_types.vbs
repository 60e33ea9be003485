' Comparisons between numbers, numeric strings and strings.
Dim n, s
n = 10: s = "10"
WScript.Echo n = s, n < s, s > n
' expect: False True True
WScript.Echo 10 = "10", "10" = 10, n = "10"
' expect: True True True
WScript.Echo "abc" < "abd", "B" < "a", "abc" = "ABC", "" = Empty, 0 = Empty
' expect: True True False True True
WScript.Echo IsNull(1 = Null), IsNull(Null = Null), 1 < 2 = True
' expect: True True True
WScript.Echo 2 < 10, "2" < "10", True = -1, 1.0 = 1
' expect: True False True True
s = "abc"
n = 5
WScript.Echo n < s
' expect: True
y = 5 = "x"
' expect runtime error: Type mismatch
