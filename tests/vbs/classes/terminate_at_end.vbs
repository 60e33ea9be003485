' Objects still held when the script ends are terminated when the engine lets go.
Class T
    Public N
    Private Sub Class_Terminate()
        WScript.Echo "terminate " & N
    End Sub
End Class
Set a = New T: a.N = 1
Set b = New T: b.N = 2
WScript.Echo "end of script"
' expect: end of script
' expect: terminate 1
' expect: terminate 2
