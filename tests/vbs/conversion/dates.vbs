' Dates show in the locale's short date and long time.
d = #1/5/2024#
WScript.Echo d, CDate("2024-03-01"), #1/5/2024 3:04:05 PM#, #13:30#
' expect: 1/5/2024 3/1/2024 1/5/2024 3:04:05 PM 1:30:00 PM
WScript.Echo CDbl(#1/1/2000#), CDate(36526.5)
' expect: 36526 1/1/2000 12:00:00 PM
WScript.Echo d + 1, d - #1/1/2024#, TypeName(d + 1), TypeName(d - d)
' expect: 1/6/2024 4 Date Double
WScript.Echo #1/1/2024# < #1/2/2024#, CDate("January 5, 2024") = d
' expect: -1 -1
