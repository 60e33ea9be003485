' Empty with a string acts as the empty string under +; Null with anything is Null.
Dim nothingYet
' expect: xy [xy] String
WScript.Echo "x" + Empty + "y", "[" & "x" + nothingYet + "y" & "]", TypeName(Empty + "y")
' expect: Integer 0
WScript.Echo TypeName(Empty + Empty), Empty + Empty
' expect: True True True
WScript.Echo CStr(IsNull("abc" + Null)), CStr(IsNull(Null + "abc")), CStr(IsNull(Null - "abc"))
' A string that is no number with a number is still a mismatch.
x = "x" + 1
' expect runtime error: Type mismatch
