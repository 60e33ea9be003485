Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d.Add "b", 2
d.Key("a") = "z"
' The renamed key keeps its item and its place.
' expect: z,b 1 0
WScript.Echo Join(d.Keys, ","), d("z"), d.Exists("a")
On Error Resume Next
d.Key("b") = "z"
' expect: 457
WScript.Echo Err.Number
Err.Clear
d.Key("nope") = "y"
' expect: 32811
WScript.Echo Err.Number
