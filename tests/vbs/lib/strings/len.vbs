' expect: 5 0 3 2
WScript.Echo Len("hello"), Len(""), Len(123), Len(Empty & "ab")
' expect: -1
WScript.Echo IsNull(Len(Null))
' expect: 3
WScript.Echo VarType(Len("x"))
' LenB counts bytes of storage, two per character.
' expect: 6
WScript.Echo LenB("abc")
