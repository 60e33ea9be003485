' Recursion just under the 3000-call limit works, through functions and methods, with
' ByRef and ByVal arguments and strings held by every level.
Function Depth(n, ByVal label)
    Dim mine : mine = label & "."
    If n = 0 Then Depth = Len(mine) Else Depth = Depth(n - 1, mine)
End Function
' expect: 2901
WScript.Echo Depth(2900, "")
Class Walker
    Public Steps
    Sub Walk(ByRef n)
        If n = 0 Then Exit Sub
        n = n - 1
        Steps = Steps + 1
        Me.Walk n
    End Sub
End Class
Set w = New Walker
w.Steps = 0
count = 2900
w.Walk count
' expect: 2900 0
WScript.Echo w.Steps, count
