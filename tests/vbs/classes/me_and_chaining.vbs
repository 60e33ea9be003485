Class Node
    Public Value
    Public NextNode
    Public Function Append(v)
        Dim n
        Set n = New Node
        n.Value = v
        Set NextNode = n
        Set Append = n
    End Function
End Class
Set head = New Node
head.Value = 1
head.Append(2).Append(3).Append 4
Set p = head
Do While Not IsEmpty(p.Value)
    s = s & p.Value
    If IsEmpty(p.NextNode) Then Exit Do
    Set p = p.NextNode
Loop
WScript.Echo s
' expect: 1234
x = New Node
' expect runtime error: Object doesn't support this property or method
