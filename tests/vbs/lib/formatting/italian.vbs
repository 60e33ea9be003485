' locale: italian
' The locale's separators, currency symbol and its place, and date formats.
' expect: 1.234.567,89|50,00%|0,5
WScript.Echo FormatNumber(1234567.891) & "|" & FormatPercent(0.5) & "|" & FormatNumber("0,5", 1)
' expect: € 1.234,50|-€ 1.234,50|(€ 1.234,50)
WScript.Echo FormatCurrency(1234.5) & "|" & FormatCurrency(-1234.5) & "|" & FormatCurrency(-1234.5, , , vbTrue)
d = DateSerial(2024, 1, 5) + TimeSerial(15, 4, 5)
' expect: venerdì 5 gennaio 2024|05/01/2024|15:04
WScript.Echo FormatDateTime(d, vbLongDate) & "|" & FormatDateTime(d, vbShortDate) & "|" & FormatDateTime(d, vbShortTime)
