If x = 1 Then
    y = 2
' expect syntax error: Expected 'End'
