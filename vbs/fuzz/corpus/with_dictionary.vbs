Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d("b") = 2
With d
    .Item("c") = .Count
    k = .Keys
End With
TotX = Join(k, ",") & d.Exists("b") & IsEmpty(x) & IsNull(Null) & VarType(d)
