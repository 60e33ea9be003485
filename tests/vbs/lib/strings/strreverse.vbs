' expect: tpircSBV|
WScript.Echo StrReverse("VBScript") & "|" & StrReverse("")
' A character outside the Basic Multilingual Plane keeps its two halves in order.
s = StrReverse("a" & ChrW(&HD83D) & ChrW(&HDE00) & "b")
' expect: 98 -10179 -8704 97
WScript.Echo AscW(Mid(s, 1, 1)), AscW(Mid(s, 2, 1)), AscW(Mid(s, 3, 1)), AscW(Mid(s, 4, 1))
x = StrReverse(Null)
' expect runtime error: Invalid use of Null
