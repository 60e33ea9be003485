' expect: -1 0 1 1
WScript.Echo StrComp("a", "b"), StrComp("a", "a"), StrComp("b", "a"), StrComp("a", "B")
' expect: 0 -1
WScript.Echo StrComp("ABC", "abc", vbTextCompare), StrComp("ABC", "abc")
' expect: 2 -1
WScript.Echo VarType(StrComp("a", "b")), IsNull(StrComp(Null, "a"))
x = StrComp("a", "b", 5)
' expect runtime error: Invalid procedure call or argument
