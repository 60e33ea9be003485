' locale: italian
' Dates read and print day first; names come from the locale.
d = DateValue("5/1/2024")
' expect: 05/01/2024 1 gennaio
WScript.Echo d, Month(d), MonthName(1)
' expect: venerdì ven
WScript.Echo WeekdayName(Weekday(d)), WeekdayName(Weekday(d), True)
' expect: 15:04:05
WScript.Echo TimeSerial(15, 4, 5)
