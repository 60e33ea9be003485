' expect: HELLO, WORLD 1|hello, world 1
WScript.Echo UCase("Hello, World 1") & "|" & LCase("Hello, World 1")
' Accented Latin, Greek and Cyrillic letters change case too.
' expect: ÀÉÎÕÜ ΑΒΓ ЖЁ
WScript.Echo UCase("àéîõü αβγ жё")
' expect: àéîõü αβγ жё
WScript.Echo LCase("ÀÉÎÕÜ ΑΒΓ ЖЁ")
' expect: -1
WScript.Echo IsNull(UCase(Null))
