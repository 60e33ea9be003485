' expect: 5 2.5 0 1
WScript.Echo Abs(-5), Abs("-2.5"), Abs(Empty), Abs(True)
' Abs keeps the subtype, widening where the negative limit has no positive twin.
' expect: 2 3 5 3
WScript.Echo VarType(Abs(CInt(-3))), VarType(Abs(CInt(-32768))), VarType(Abs(-2.5)), VarType(Abs(CLng(-4)))
' expect: 32768
WScript.Echo Abs(CInt(-32768))
' expect: -1 0 1 2
WScript.Echo Sgn(-7.5), Sgn(0), Sgn("3"), VarType(Sgn(1.5))
' expect: -1 -1
WScript.Echo IsNull(Abs(Null)), IsNull(Sgn(Null))
