' Keys compare by value and kind: the number 1 and the text "1" are two keys,
' Integer 1 and Double 1 are one.
Set d = CreateObject("Scripting.Dictionary")
d.Add 1, "number"
d.Add "1", "text"
' expect: 2 number text
WScript.Echo d.Count, d(1), d("1")
' expect: -1 -1 number
WScript.Echo d.Exists(CDbl(1)), d.Exists(CLng(1)), d(1.0)
d.Add Empty, "empty"
d.Add True, "bool"
' expect: 4 empty bool
WScript.Echo d.Count, d(Empty), d(True)
d.Add CInt(1), "again"
' expect runtime error: This key is already associated with an element of this collection
