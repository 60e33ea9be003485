Class Box
    Private items()
    Private n
    Private Sub Class_Initialize()
        ReDim items(10)
        n = 0
    End Sub
    Public Default Property Get Item(i)
        Item = items(i)
    End Property
    Public Sub Add(v)
        items(n) = v
        n = n + 1
    End Sub
    Public Property Get Count()
        Count = n
    End Property
End Class

Class Holder
    Private inner
    Public Property Set Content(o)
        Set inner = o
    End Property
    Public Property Get Content()
        Set Content = inner
    End Property
End Class

Set b = New Box
b.Add "first"
b.Add "second"
WScript.Echo b(1), b.Item(0), b.Count
' expect: second first 2
Set h = New Holder
Set h.Content = b
WScript.Echo h.Content.Count, h.Content(0)
' expect: 2 first
