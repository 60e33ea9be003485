' expect: 3 6 0 1
WScript.Echo InStr("abcabc", "c"), InStr(4, "abcabc", "c"), InStr("abc", "x"), InStr("abc", "")
' vbTextCompare ignores case; the start is required before a compare argument.
' expect: 0 2 2
WScript.Echo InStr(1, "ABC", "b"), InStr(1, "ABC", "b", vbTextCompare), InStr(1, "ABC", "b", 1)
' An empty string1 or a start past its end finds nothing.
' expect: 0 0
WScript.Echo InStr("", "a"), InStr(9, "abc", "c")
' expect: -1 -1
WScript.Echo IsNull(InStr(Null, "a")), IsNull(InStr("a", Null))
x = InStr(0, "abc", "a")
' expect runtime error: Invalid procedure call or argument
