' Escape keeps letters, digits and @*_+-./ and encodes the rest.
' expect: a%20b%3F%u20AC%FC@*_+-./
WScript.Echo Escape("a b?€ü@*_+-./")
' expect: a b?€ü
WScript.Echo Unescape("a%20b%3F%u20AC%FC")
' A "%" that starts no valid escape stays.
' expect: 100%|%zz|%u12
WScript.Echo Unescape("100%") & "|" & Unescape("%zz") & "|" & Unescape("%u12")
' expect: -1
WScript.Echo Unescape(Escape("x" & vbCrLf & ChrW(1234))) = "x" & vbCrLf & ChrW(1234)
