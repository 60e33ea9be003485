a = Split("a,b,,c", ",")
' expect: 3 a|b||c
WScript.Echo UBound(a), a(0) & "|" & a(1) & "|" & a(2) & "|" & a(3)
' The default delimiter is a space; a count keeps the rest in the last element.
b = Split("one two three four", , 2)
' expect: 1 one|two three four
WScript.Echo UBound(b), b(0) & "|" & b(1)
' vbTextCompare matches the delimiter in any case.
c = Split("aXbxc", "x", -1, vbTextCompare)
' expect: 2 abc
WScript.Echo UBound(c), Join(c, "")
' An empty expression gives an empty array; an empty delimiter the whole text.
' expect: -1 0 abc
WScript.Echo UBound(Split("")), UBound(Split("abc", "")), Split("abc", "")(0)
' expect: -1
WScript.Echo UBound(Split("a,b", ",", 0))
x = Split("a", ",", -2)
' expect runtime error: Invalid procedure call or argument
