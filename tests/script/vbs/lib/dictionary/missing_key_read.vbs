' Reading a key that is not there adds it, holding Empty.
Set d = CreateObject("Scripting.Dictionary")
x = d("ghost")
' expect: True 1 True
WScript.Echo IsEmpty(x), d.Count, d.Exists("ghost")
