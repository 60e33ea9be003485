' Int rounds down, Fix toward zero.
' expect: 2 -3 2 -2
WScript.Echo Int(2.7), Int(-2.5), Fix(2.7), Fix(-2.5)
' The subtype stays: Currency stays Currency, text becomes Double.
' expect: 6 -3 5
WScript.Echo VarType(Int(CCur(-2.5))), Int(CCur(-2.5)), VarType(Fix("7.9"))
' expect: -1
WScript.Echo IsNull(Int(Null))
x = Int("abc")
' expect runtime error: Type mismatch
