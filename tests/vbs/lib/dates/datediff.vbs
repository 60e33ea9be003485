' DateDiff counts the boundaries between the dates.
' expect: 1 1 1 1
WScript.Echo DateDiff("yyyy", "12/31/2023", "1/1/2024"), DateDiff("m", "1/31/2024", "2/1/2024"), DateDiff("d", "1/1/2024 23:00", "1/2/2024 01:00"), DateDiff("h", "1:59", "2:00")
' expect: 4 -4 3
WScript.Echo DateDiff("q", "1/1/2023", "1/1/2024"), DateDiff("q", "1/1/2024", "1/1/2023"), DateDiff("n", "10:00:59", "10:03:00")
' "w" counts whole weeks; "ww" counts first days of the week crossed.
' expect: 1 1 0 1
WScript.Echo DateDiff("w", "1/1/2024", "1/14/2024"), DateDiff("ww", "1/6/2024", "1/7/2024"), DateDiff("ww", "1/7/2024", "1/8/2024"), DateDiff("ww", "1/7/2024", "1/8/2024", vbMonday)
' expect: 86400 366
WScript.Echo DateDiff("s", "1/1/2024", "1/2/2024"), DateDiff("y", "1/1/2024", "1/1/2025")
' expect: -1
WScript.Echo IsNull(DateDiff("d", Null, Now))
x = DateDiff("s", "1/1/100", "1/1/9999")
' expect runtime error: Overflow
