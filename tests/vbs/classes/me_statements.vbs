' Statements may start with Me: assignments to the instance's members and calls.
Class Node
    Public Value, Child, Visits
    Sub Init(v)
        Me.Value = v
        Set Me.Child = Nothing
        Me.Visits = 0
    End Sub
    Sub Visit(n)
        Me.Visits = Me.Visits + n
    End Sub
    Sub VisitTwice()
        Me.Visit 1
        Call Me.Visit(2)
    End Sub
End Class
Set a = New Node
a.Init "root"
a.VisitTwice
' expect: root 3 True
WScript.Echo a.Value, a.Visits, CStr(a.Child Is Nothing)
