' Null where a number is needed is error 94; Empty is zero or "".
' expect: [] 0 -1
WScript.Echo "[" & Left(Empty, 2) & "]", Len(Empty), IsEmpty(Empty)
' expect: 0 0 12:00:00 AM
WScript.Echo Abs(Empty), Round(Empty), DateValue(Empty)
On Error Resume Next
x = Space(Null)
' expect: 94
WScript.Echo Err.Number
Err.Clear
x = WeekdayName(Null)
' expect: 94
WScript.Echo Err.Number
Err.Clear
x = Split(Null)
' expect: 94
WScript.Echo Err.Number
Err.Clear
x = InStr(Null, "a", "b")
' expect: 94
WScript.Echo Err.Number
