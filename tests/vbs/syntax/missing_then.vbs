If x = 1
    y = 2
End If
' expect syntax error: Expected 'Then'
