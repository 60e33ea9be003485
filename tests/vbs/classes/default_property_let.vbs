' A default property with Get and Let: k("a") reads, k("a") = 1 writes.
Class Keyed
    Private items
    Private Sub Class_Initialize()
        Set items = CreateObject("Scripting.Dictionary")
    End Sub
    Public Default Property Get Item(key)
        Item = items(key)
    End Property
    Public Property Let Item(key, value)
        items(key) = value
    End Property
    Public Function Count()
        Count = items.Count
    End Function
End Class
Set k = New Keyed
k("a") = 1
k.Item("b") = 2
WScript.Echo k("a") + k("b"), k.Count
' expect: 3 2
With k
    .Item("c") = 3
    WScript.Echo .Count, .Item("c")
End With
' expect: 3 3
