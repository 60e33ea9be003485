' The C* functions, with banker's rounding and their errors.
WScript.Echo CInt(2.5), CInt(3.5), CInt(-2.5), CLng(1.5), CLng("7")
' expect: 2 4 -2 2 7
WScript.Echo CDbl("1.5"), CDbl(" 2e3 "), CStr(12.5), CStr(True), CStr(Empty) = ""
' expect: 1.5 2000 12.5 True -1
WScript.Echo CBool(0), CBool(-3), CBool("true"), CBool("False"), CBool("1")
' expect: 0 -1 -1 0 -1
WScript.Echo CByte(255), TypeName(CByte(1)), TypeName(CSng(1)), TypeName(CCur(1)), TypeName(CDate(1))
' expect: 255 Byte Single Currency Date
WScript.Echo CLng("&HFF"), CLng("&H10"), &HFF, &HFFFF, &HFFFF&, &O17
' expect: 255 16 255 -1 65535 15
