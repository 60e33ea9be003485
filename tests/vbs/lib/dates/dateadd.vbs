d = DateSerial(2024, 1, 31)
' Adding months clamps the day to the end of the month.
' expect: 2/29/2024 4/30/2024 2/28/2025 1/31/2023
WScript.Echo DateAdd("m", 1, d), DateAdd("q", 1, d), DateAdd("yyyy", 1, DateSerial(2024, 2, 29)), DateAdd("yyyy", -1, d)
' "d", "y" and "w" all add days; "ww" adds weeks.
' expect: 2/1/2024 2/1/2024 2/1/2024 2/7/2024
WScript.Echo DateAdd("d", 1, d), DateAdd("y", 1, d), DateAdd("w", 1, d), DateAdd("ww", 1, d)
' expect: 1/30/2024 11:00:00 PM|1/31/2024 12:30:00 AM|1/31/2024 12:00:10 AM
WScript.Echo DateAdd("h", -1, d) & "|" & DateAdd("n", 30, d) & "|" & DateAdd("s", 10, d)
' The interval name ignores case; text dates are read as CDate reads them.
' expect: 3/1/2024
WScript.Echo DateAdd("M", 1, "2/1/2024")
' expect: -1
WScript.Echo IsNull(DateAdd("d", 1, Null))
On Error Resume Next
x = DateAdd("x", 1, d)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = DateAdd("yyyy", 9000, d)
' expect: 5
WScript.Echo Err.Number
