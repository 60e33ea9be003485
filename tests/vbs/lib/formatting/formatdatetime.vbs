d = DateSerial(2024, 1, 5) + TimeSerial(15, 4, 5)
' expect: 1/5/2024 3:04:05 PM
WScript.Echo FormatDateTime(d)
' expect: Friday, January 5, 2024
WScript.Echo FormatDateTime(d, vbLongDate)
' expect: 1/5/2024|3:04:05 PM|15:04
WScript.Echo FormatDateTime(d, vbShortDate) & "|" & FormatDateTime(d, vbLongTime) & "|" & FormatDateTime(d, vbShortTime)
' A date without a time shows only the date; text is read as a date.
' expect: 1/5/2024|12:00:00 AM
WScript.Echo FormatDateTime("1/5/2024") & "|" & FormatDateTime("1/5/2024", vbLongTime)
x = FormatDateTime(d, 5)
' expect runtime error: Invalid procedure call or argument
