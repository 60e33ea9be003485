x = 6
WScript.Echo Eval("x * 7"), Eval("1 = 1")
' expect: 42 -1
Execute "y = x + 1"
WScript.Echo y
' expect: 7
ExecuteGlobal "Function Added(a): Added = a + 100: End Function"
WScript.Echo Added(1)
' expect: 101
Sub UsesLocals()
    Dim localValue
    localValue = 3
    Execute "localValue = localValue * 5"
    WScript.Echo localValue, Eval("localValue + 1")
End Sub
UsesLocals
' expect: 15 16
Execute "z = 1 : z = z + 1"
WScript.Echo z
' expect: 2
