Class Counter
    Private count
    Public Name

    Private Sub Class_Initialize()
        count = 0
        Name = "unnamed"
    End Sub

    Public Sub Increment(by)
        count = count + by
    End Sub

    Public Property Get Value()
        Value = count
    End Property

    Public Property Let Value(v)
        If v < 0 Then Err.Raise 5
        count = v
    End Property

    Public Function Describe()
        Describe = Name & "=" & Me.Value
    End Function
End Class

Set c = New Counter
c.Increment 5
c.Increment 2
WScript.Echo c.Value
' expect: 7
c.Value = 100
c.Name = "hits"
WScript.Echo c.Describe()
' expect: hits=100
WScript.Echo TypeName(c), IsObject(c)
' expect: Counter -1
WScript.Echo c.count
' expect runtime error: Object doesn't support this property or method
