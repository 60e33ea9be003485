Sub Two(a, b)
End Sub
Two(1, 2)
' expect syntax error: Cannot use parentheses when calling a Sub
