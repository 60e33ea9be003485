Dim g
g = "global"
Sub ShowGlobal()
    WScript.Echo g
End Sub
ShowGlobal
' expect: global
Sub Shadow()
    Dim g
    g = "local"
    WScript.Echo g
End Sub
Shadow
WScript.Echo g
' expect: local
' expect: global
Sub SetImplicit()
    implicitLocal = 5
End Sub
SetImplicit
WScript.Echo IsEmpty(implicitLocal)
' expect: -1
Sub ChangeGlobal()
    g = "changed"
End Sub
ChangeGlobal
WScript.Echo g
' expect: changed
