' expect: xxyxxyxxy
WScript.Echo Replace("xxpxxpxxp", "p", "y")
' The result starts at `start`: what comes before it is dropped.
' expect: yxxyxxy
WScript.Echo Replace("xxpxxpxxp", "P", "y", 3, -1, vbTextCompare)
' expect: bba|aaa|aaa|
WScript.Echo Replace("aaa", "a", "b", 1, 2) & "|" & Replace("aaa", "", "b") & "|" & Replace("aaa", "a", "b", 1, 0) & "|" & Replace("aaa", "a", "b", 4)
' Removing: an empty replacement.
' expect: ac
WScript.Echo Replace("a-b-c", "-b-", "")
x = Replace(Null, "a", "b")
' expect runtime error: Invalid use of Null
