Sub A()
End Sub
Sub A()
End Sub
' expect syntax error: Name redefined
