' The precedence ladder, one rung per line: each expression gives another value if the
' two neighbouring levels were swapped. Imp binds least, then Eqv, Xor, Or, And, Not,
' the comparisons, &, + and -, Mod, \, * and /, the signs, ^.
WScript.Echo False Imp True Eqv False
' expect: -1
WScript.Echo True Xor True Or True
' expect: 0
WScript.Echo True Or True And False
' expect: -1
WScript.Echo Not False And False
' expect: 0
WScript.Echo Not 1 = 2
' expect: -1
WScript.Echo "a" & "b" = "ab"
' expect: -1
WScript.Echo 1 + 2 & 3 + 4
' expect: 37
WScript.Echo 5 + 7 Mod 3, 9 Mod 6 \ 2, 7 \ 2 * 2
' expect: 6 0 1
WScript.Echo -2 ^ 2, 2 * -3 ^ 2
' expect: -4 -18
' Within a level, left to right.
WScript.Echo 10 - 4 - 3, 8 / 2 * 4, 2 ^ 3 ^ 2, 100 \ 10 \ 3, 7 & 8 & 9
' expect: 3 16 64 3 789
WScript.Echo 1 < 2 = True, Nothing Is Nothing = True, Not Not True
' expect: -1 -1 -1
