' The arithmetic operators and their result types.
WScript.Echo 7 \ 2, 7 Mod 3, -7 \ 2, -7 Mod 3
' expect: 3 1 -3 -1
WScript.Echo 2 ^ 10, TypeName(2 ^ 2), -2 ^ 2, 2 ^ -1
' expect: 1024 Double -4 0.5
WScript.Echo 10 / 4, TypeName(10 / 5)
' expect: 2.5 Double
WScript.Echo 7.5 \ 2, 6.5 \ 1, 8.5 Mod 3
' expect: 4 6 2
WScript.Echo 0.1 + 0.2, 1 / 3, 2 / 3
' expect: 0.3 0.333333333333333 0.666666666666667
WScript.Echo 1 + 2 * 3 - 4 / 2, (1 + 2) * 3
' expect: 5 9
WScript.Echo 5 - - 3, - - 5, +5
' expect: 8 5 5
WScript.Echo 1 + True, TypeName(True + True), True + True
' expect: 0 Integer -2
WScript.Echo "3" + 4, TypeName("3" + 4), "3" + "4"
' expect: 7 Double 34
WScript.Echo Empty + 1, TypeName(Empty + Empty), IsNull(Null + 1)
' expect: 1 Integer -1
