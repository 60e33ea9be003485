Class P
    Public X, Y
    Public Inner
End Class
Set p1 = New P
With p1
    .X = 1
    .Y = 2
    Set .Inner = New P
    With .Inner
        .X = 10
    End With
    WScript.Echo .X + .Y, .Inner.X
End With
' expect: 3 10
With New P
    .X = "temp"
    WScript.Echo .X
End With
' expect: temp
