' An array element passed to a ByRef parameter receives what the procedure assigns.
ReDim arr(3)
Sub SetIt(x)
    x = "set"
End Sub
SetIt arr(1)
WScript.Echo "[" & arr(1) & "]"
' expect: [set]
Sub Shrink(x)
    ReDim arr(0)
    x = "late"
End Sub
Shrink arr(2)
WScript.Echo UBound(arr), IsEmpty(arr(0))
' expect: 0 -1
Sub Swap(a, b)
    Dim t
    t = a: a = b: b = t
End Sub
p = 5: q = 7
Swap p, q
WScript.Echo p, q
' expect: 7 5
Function GetArr()
    GetArr = Array(10, 20, 30)
End Function
WScript.Echo GetArr()(1)
' expect: 20
