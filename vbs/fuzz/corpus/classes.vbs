Class Box
    Private m_value
    Private Sub Class_Initialize() : m_value = 0 : End Sub
    Public Default Property Get Value() : Value = m_value : End Property
    Public Property Let Value(v) : m_value = v : End Property
    Public Function Twice() : Twice = Me.Value * 2 : End Function
End Class
Set b = New Box
b.Value = 21
TotX = b.Twice() & TypeName(b)
Set b = Nothing
