' expect: [   ]|[]
WScript.Echo "[" & Space(3) & "]|[" & Space(0) & "]"
' String takes a character or a character code (modulo 256, in the Windows code page).
' expect: xxxx|AAA|aaa|€€
WScript.Echo String(4, "x") & "|" & String(3, 65) & "|" & String(3, "abc") & "|" & String(2, 128 + 256)
' expect: -1 -1
WScript.Echo IsNull(String(Null, "x")), IsNull(String(2, Null))
x = String(2, "")
' expect runtime error: Invalid procedure call or argument
