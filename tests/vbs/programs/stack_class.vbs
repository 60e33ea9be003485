' A stack class built on ReDim Preserve, used to check brackets.
Class Stack
    Private items()
    Private count

    Private Sub Class_Initialize()
        count = 0
        ReDim items(4)
    End Sub

    Public Sub Push(v)
        If count > UBound(items) Then ReDim Preserve items(UBound(items) * 2 + 1)
        items(count) = v
        count = count + 1
    End Sub

    Public Function Pop()
        If count = 0 Then Err.Raise vbObjectError + 1, "Stack", "Stack is empty"
        count = count - 1
        Pop = items(count)
    End Function

    Public Property Get IsEmpty()
        IsEmpty = (count = 0)
    End Property
End Class

Function Balanced(text)
    Dim st, i, c
    Set st = New Stack
    Balanced = False
    For i = 1 To Len(text)
        c = Mid(text, i, 1)
        If c = "(" Then
            st.Push c
        ElseIf c = ")" Then
            If st.IsEmpty Then Exit Function
            st.Pop
        End If
    Next
    Balanced = st.IsEmpty
End Function

WScript.Echo Balanced("(a(b)c)"), Balanced("(()"), Balanced(")(")
' expect: -1 0 0
Set big = New Stack
For i = 1 To 100: big.Push i: Next
total = 0
Do Until big.IsEmpty: total = total + big.Pop(): Loop
WScript.Echo total
' expect: 5050
On Error Resume Next
big.Pop
WScript.Echo Err.Source & ": " & Err.Description
' expect: Stack: Stack is empty
