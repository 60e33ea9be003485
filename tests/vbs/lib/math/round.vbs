' Halves go to the even neighbour.
' expect: 2 4 -2 0 2
WScript.Echo Round(2.5), Round(3.5), Round(-2.5), Round(0.5), Round(1.5)
' Rounding works on the decimal digits the script wrote: 2.675 is a half.
' expect: 2.68 2.66 1234.57 1235
WScript.Echo Round(2.675, 2), Round(2.665, 2), Round(1234.5678, 2), Round(1234.5678)
' expect: 123456789.12 1E+300
WScript.Echo Round(123456789.125, 2), Round(1E+300, 2)
' The subtype stays.
' expect: 2 6 5
WScript.Echo VarType(Round(CInt(7))), VarType(Round(CCur(2.55555), 2)), VarType(Round("2.5"))
' expect: 2.5556 -1
WScript.Echo Round(CCur(2.55555), 4), IsNull(Round(Null))
x = Round(1.5, -1)
' expect runtime error: Invalid procedure call or argument
