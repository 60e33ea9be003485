' expect: 45.67%|(50%)|-50.0%|12,345%
WScript.Echo FormatPercent(0.4567) & "|" & FormatPercent(-0.5, 0, , vbTrue) & "|" & FormatPercent(-0.5, 1) & "|" & FormatPercent(123.45, 0)
' English money: the symbol first, negatives in parentheses unless told otherwise.
' expect: $1,234.50|($1,234.50)|-$1,234.50|$0.5
WScript.Echo FormatCurrency(1234.5) & "|" & FormatCurrency(-1234.5) & "|" & FormatCurrency(-1234.5, , , vbFalse) & "|" & FormatCurrency(0.5, 1)
x = FormatCurrency(Null)
' expect runtime error: Invalid use of Null
