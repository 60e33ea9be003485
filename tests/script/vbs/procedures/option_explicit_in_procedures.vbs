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
End Sub
Undeclared
' expect runtime error: Variable is undefined
