Dim a(2), o
Set o = Nothing
WScript.Echo TypeName(1), TypeName(100000), TypeName(1.5), TypeName("s"), TypeName(True)
' expect: Integer Long Double String Boolean
WScript.Echo TypeName(Empty), TypeName(Null), TypeName(a), TypeName(o), TypeName(#1/2/2003#)
' expect: Empty Null Variant() Nothing Date
WScript.Echo VarType(1), VarType("s"), VarType(a), VarType(Null), VarType(o), VarType(#1/2/2003#)
' expect: 2 8 8204 1 9 7
WScript.Echo IsEmpty(x), IsNull(Null), IsArray(a), IsObject(o), IsNumeric("12.5"), IsNumeric("x")
' expect: -1 -1 -1 -1 -1 0
WScript.Echo IsNumeric(Empty), IsNumeric(" 1e3 "), IsNumeric("&HFF"), IsNumeric(Null)
' expect: -1 -1 -1 0
WScript.Echo IsDate("2024-01-05"), IsDate("hello"), IsDate(#5/6/2020#)
' expect: -1 0 -1
