d = DateSerial(2024, 8, 1) + TimeSerial(13, 45, 30)
' expect: 2024 3 8 214 1 13 45 30
WScript.Echo DatePart("yyyy", d), DatePart("q", d), DatePart("m", d), DatePart("y", d), DatePart("d", d), DatePart("h", d), DatePart("n", d), DatePart("s", d)
' 1 August 2024 was a Thursday.
' expect: 5 4
WScript.Echo DatePart("w", d), DatePart("w", d, vbMonday)
' Weeks of the year: the week with 1 January is week 1 unless firstweekofyear says otherwise.
' expect: 53 1 53 1
WScript.Echo DatePart("ww", "12/31/2024"), DatePart("ww", "12/30/2024", vbMonday, vbFirstFourDays), DatePart("ww", "1/1/2021", vbMonday, vbFirstFourDays), DatePart("ww", "1/4/2021", vbMonday, vbFirstFourDays)
' expect: 52 1
WScript.Echo DatePart("ww", "1/1/2022", vbSunday, vbFirstFullWeek), DatePart("ww", "1/1/2022", vbSunday)
x = DatePart("ww", d, vbSunday, 4)
' expect runtime error: Invalid procedure call or argument
