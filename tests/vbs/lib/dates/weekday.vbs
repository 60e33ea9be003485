' 5 January 2024 was a Friday.
d = DateSerial(2024, 1, 5)
' expect: 6 5 1
WScript.Echo Weekday(d), Weekday(d, vbMonday), Weekday(d, vbFriday)
' expect: Friday Fri Monday
WScript.Echo WeekdayName(Weekday(d)), WeekdayName(6, True), WeekdayName(1, False, vbMonday)
' expect: January Feb December
WScript.Echo MonthName(1), MonthName(2, True), MonthName(Month(DateSerial(2024, 12, 1)))
On Error Resume Next
x = WeekdayName(8)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = MonthName(0)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Weekday(d, 8)
' expect: 5
WScript.Echo Err.Number
