' Indexed properties, a default function, Exit Property and Me returned by a property.
Class Matrix
    Private cells(2, 2)
    Public Property Get Cell(r, c)
        Cell = cells(r, c)
    End Property
    Public Property Let Cell(r, c, v)
        cells(r, c) = v
    End Property
    Public Default Function Describe()
        Describe = "matrix"
    End Function
    Public Property Get Self()
        Set Self = Me
    End Property
    Public Sub Fill(v)
        Dim r, c
        For r = 0 To 2
            For c = 0 To 2
                Cell(r, c) = v
            Next
        Next
    End Sub
    Public Property Get Total()
        Dim r, c
        For r = 0 To 2: For c = 0 To 2: Total = Total + cells(r, c): Next: Next
        If Total > 10 Then Exit Property
        Total = -1
    End Property
End Class
Set m = New Matrix
m.Cell(1, 1) = 5
WScript.Echo m.Cell(1, 1), m, m.Self.Cell(1, 1), m.Total
' expect: 5 matrix 5 -1
m.Fill 2
WScript.Echo m.Total
' expect: 18
m.Missing = 1
' expect runtime error: Object doesn't support this property or method
