' The trims remove spaces only, not tabs.
' expect: [a b  ]|[  a b]|[a b]
WScript.Echo "[" & LTrim("  a b  ") & "]|[" & RTrim("  a b  ") & "]|[" & Trim("  a b  ") & "]"
' expect: 3
WScript.Echo Len(Trim(vbTab & "x" & vbTab))
' expect: -1
WScript.Echo IsNull(Trim(Null))
