Option Explicit
Dim shown
Sub Declared()
    Dim inside
    inside = 1
    shown = inside + 1
End Sub
Declared
WScript.Echo shown
' expect: 2
Sub Undeclared()
    notDeclared = 5
    ' expect runtime error: Variable is undefined
End Sub
Undeclared
