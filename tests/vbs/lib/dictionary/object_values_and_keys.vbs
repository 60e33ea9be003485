Set d = CreateObject("Scripting.Dictionary")
Set inner = CreateObject("Scripting.Dictionary")
inner.Add "x", 42
Set d("child") = inner
' expect: 42 Dictionary
WScript.Echo d("child")("x"), TypeName(d("child"))
' Objects as keys compare by identity.
Set other = CreateObject("Scripting.Dictionary")
d.Add inner, "inner"
' expect: -1 0
WScript.Echo d.Exists(inner), d.Exists(other)
