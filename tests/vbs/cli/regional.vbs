WScript.Echo FormatCurrency(1234.5) & "|" & FormatCurrency(-2)
WScript.Echo CStr(True) & "|" & False & "|" & 1.5
WScript.Echo True, False
