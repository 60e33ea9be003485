Set d = CreateObject("Scripting.Dictionary")
On Error Resume Next
x = d.Count(1)
' expect: 450
WScript.Echo Err.Number
Err.Clear
Set e = CreateObject("Scripting.NoSuchThing")
' expect: 429
WScript.Echo Err.Number
Err.Clear
d.Frobnicate
' expect: 438
WScript.Echo Err.Number
