' Asc and Chr use the Windows code page: Chr(128) is the euro sign.
' expect: 65 128 252 63
WScript.Echo Asc("ABC"), Asc("€"), Asc("ü"), Asc(ChrW(&H4E2D))
' expect: A|€|é
WScript.Echo Chr(65) & "|" & Chr(128) & "|" & Chr(233)
' AscW gives the UTF-16 unit as a signed Integer.
' expect: 20013 -1 8364
WScript.Echo AscW(ChrW(&H4E2D)), AscW(ChrW(&HFFFF)), AscW("€")
' expect: 172 65
WScript.Echo AscB("€"), AscB("A")
' expect: -1
WScript.Echo ChrW(-1) = ChrW(65535)
On Error Resume Next
x = Asc("")
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Chr(256)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = ChrW(65536)
' expect: 5
WScript.Echo Err.Number
