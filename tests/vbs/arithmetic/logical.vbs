' And/Or/Xor/Not/Eqv/Imp: logical on Booleans, bitwise on numbers.
WScript.Echo True And False, True Or False, True Xor True, Not True
' expect: 0 -1 0 0
WScript.Echo 12 And 10, 12 Or 10, 12 Xor 10, Not 0, Not 5
' expect: 8 14 6 -1 -6
WScript.Echo True Eqv True, False Imp False, True Imp False
' expect: -1 -1 0
WScript.Echo 5 Eqv 3, 5 Imp 3
' expect: -7 -5
WScript.Echo IsNull(Null And True), Null And False, Null Or True, IsNull(Null Or False)
' expect: -1 0 -1 -1
WScript.Echo IsNull(Not Null), TypeName(CByte(5) And CByte(3))
' expect: -1 Byte
WScript.Echo Not 1 = 2, Not (1 = 2)
' expect: -1 -1
' Logic on Booleans gives Booleans; on numbers, the wider of the two.
WScript.Echo TypeName(True And False), TypeName(Null Or True), TypeName(5 And True), TypeName(CByte(5) Or 300)
' expect: Boolean Boolean Integer Integer
