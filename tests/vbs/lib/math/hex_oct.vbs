' expect: FF 0 10 377
WScript.Echo Hex(255), Hex(0), Oct(8), Oct(255)
' Negative Integers show 16 bits, negative Longs 32.
' expect: FFFF FFFFFFFF 177777 37777777777
WScript.Echo Hex(CInt(-1)), Hex(CLng(-1)), Oct(CInt(-1)), Oct(CLng(-1))
' Fractions round to a whole number first (halves to even).
' expect: 2 4 A
WScript.Echo Hex(2.5), Hex(3.5), Hex("10")
' expect: -1 0
WScript.Echo IsNull(Hex(Null)), Hex(Empty)
x = Hex(2 ^ 32)
' expect runtime error: Overflow
