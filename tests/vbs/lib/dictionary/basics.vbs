Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d.Add "b", "two"
' expect: Dictionary 2 1 two
WScript.Echo TypeName(d), d.Count, d("a"), d.Item("b")
' expect: -1 0
WScript.Echo d.Exists("a"), d.Exists("A")
d("a") = 10
d.Item("c") = 3
' expect: 10 3 3
WScript.Echo d("a"), d("c"), d.Count
d.Remove "b"
' expect: a,c|10,3
WScript.Echo Join(d.Keys, ",") & "|" & Join(d.Items, ",")
d.RemoveAll
' expect: 0 -1
WScript.Echo d.Count, UBound(d.Keys)
