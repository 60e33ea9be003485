' A long needle that nearly matches everywhere is found in time proportional to the
' text, not to the text times the needle.
hay = String(1000000, "a")
needle = String(100000, "a") & "b"
' expect: 0 0 0 0
WScript.Echo InStr(hay, needle), InStrRev(hay, needle), InStr(1, hay, UCase(needle), vbTextCompare), UBound(Split(hay, needle))
' expect: 900001 900001 900001
WScript.Echo InStr(hay & "b", needle), InStrRev(hay & "b", needle), InStr(1, hay & "B", UCase(needle), vbTextCompare)
' expect: 900001
WScript.Echo Len(Replace(hay & "b", needle, "x"))
