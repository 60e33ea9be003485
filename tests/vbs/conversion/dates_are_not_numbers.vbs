' Text that reads as a date is no number: arithmetic and IsNumeric refuse it (13,
' Type mismatch; the conversions are in text_not_a_number.vbs), CDate and IsDate
' take it.
On Error Resume Next
Err.Clear
x = "1/2/2003" + 1
WScript.Echo Err.Number
' expect: 13
Err.Clear
x = "12:30" * 2
WScript.Echo Err.Number
' expect: 13
On Error GoTo 0
WScript.Echo IsNumeric("1.2.3"), IsNumeric("1/2/2003"), IsDate("1/2/2003"), CDbl(CDate("1/2/2003"))
' expect: 0 0 -1 37623
' What is a number still reads as one.
WScript.Echo CDbl(".5"), CDbl("5."), CDbl("1,234.5"), CDbl("$5"), CDbl(" -2e3 "), CDbl("&H10")
' expect: 0.5 5 1234.5 5 -2000 16
x = CDbl("1.2.3")
' expect runtime error: Type mismatch
