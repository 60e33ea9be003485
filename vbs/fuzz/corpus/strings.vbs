s = "Tabulo" & Chr(9) & ChrW(8364) & vbCrLf
s = Replace(UCase(s), "A", "a", 1, -1, vbTextCompare)
TotX = InStr(1, s, "b") & Mid(s, 2, 3) & StrReverse(Trim("  x ")) & Space(2) & String(3, "z")
TotX = FormatNumber(1234.5678, 2) & Hex(255) & Oct(8) & Asc("A")
