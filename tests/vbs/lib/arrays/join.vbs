' expect: a b c|a-b-c|abc
WScript.Echo Join(Array("a", "b", "c")) & "|" & Join(Array("a", "b", "c"), "-") & "|" & Join(Array("a", "b", "c"), "")
' Numbers and Empty join as their text; an empty array joins to "".
' expect: 1,2.5,,True|
WScript.Echo Join(Array(1, 2.5, Empty, True), ",") & "|" & Join(Array())
' Split and Join undo each other.
' expect: -1
WScript.Echo Join(Split("x;y;;z", ";"), ";") = "x;y;;z"
x = Join("not an array")
' expect runtime error: Type mismatch
