d = DateSerial(2024, 1, 5) + TimeSerial(15, 4, 5)
' expect: 2024 1 5 15 4 5
WScript.Echo Year(d), Month(d), Day(d), Hour(d), Minute(d), Second(d)
' Text is read as CDate reads it.
' expect: 2024 3 14
WScript.Echo Year("3/14/2024"), Month("3/14/2024"), Day("3/14/2024")
' Empty is day zero, 30 December 1899.
' expect: 1899 12 30 0
WScript.Echo Year(Empty), Month(Empty), Day(Empty), Hour(Empty)
' expect: -1 2
WScript.Echo IsNull(Year(Null)), VarType(Day(d))
x = Month("not a date")
' expect runtime error: Type mismatch
