Class Tracker
    Public Label
    Private Sub Class_Terminate()
        WScript.Echo "bye " & Label
    End Sub
End Class
Set t = New Tracker
t.Label = "one"
Set t = Nothing
' expect: bye one
Sub Scoped()
    Dim local
    Set local = New Tracker
    local.Label = "two"
End Sub
Scoped
' expect: bye two
WScript.Echo "end"
' expect: end
