' locale: italian
' Numbers become text with the locale's decimal comma.
' expect: 1,5|4
WScript.Echo Left(1.5, 3) & "|" & Len(12.5)
' expect: 2
WScript.Echo InStr(2.5, ",")
