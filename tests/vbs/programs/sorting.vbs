' A bubble sort and a binary search over a dynamic array.
Function Sorted(values)
    Dim i, j, t, n
    n = UBound(values)
    For i = 0 To n - 1
        For j = 0 To n - 1 - i
            If values(j) > values(j + 1) Then
                t = values(j): values(j) = values(j + 1): values(j + 1) = t
            End If
        Next
    Next
    Sorted = values
End Function

Function Find(values, wanted)
    Dim low, high, middle
    low = LBound(values): high = UBound(values)
    Find = -1
    Do While low <= high
        middle = (low + high) \ 2
        Select Case True
            Case values(middle) = wanted: Find = middle: Exit Do
            Case values(middle) < wanted: low = middle + 1
            Case Else: high = middle - 1
        End Select
    Loop
End Function

data = Array(42, 7, 19, 3, 88, 21, 7)
s = Sorted(data)
line = ""
For Each v In s: line = line & v & " ": Next
WScript.Echo line
' expect: 3 7 7 19 21 42 88
' The parameter is ByRef, so the caller's array was sorted in place too.
WScript.Echo data(0), Find(s, 21), Find(s, 5)
' expect: 3 4 -1
