' Reading a key that is not there adds it, holding Empty.
Set d = CreateObject("Scripting.Dictionary")
x = d("ghost")
' expect: -1 1 -1
WScript.Echo IsEmpty(x), d.Count, d.Exists("ghost")
