' expect: 5 2 0 3
WScript.Echo InStrRev("abcabc", "bc"), InStrRev("abcabc", "bc", 4), InStrRev("abcabc", "x"), InStrRev("abc", "")
' expect: 4
WScript.Echo InStrRev("abcABC", "a", -1, vbTextCompare)
' A start past the end of string1 finds nothing.
' expect: 0
WScript.Echo InStrRev("abc", "a", 9)
x = InStrRev("abc", "a", 0)
' expect runtime error: Invalid procedure call or argument
