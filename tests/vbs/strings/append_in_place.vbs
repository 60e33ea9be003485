' s = s & more grows the string where it is; the result is still the language's:
' the text as it was before the pieces ran, the pieces as & shows them.
s = "a"
s = s & 1 & Null & True & 2.5
WScript.Echo s
' expect: a1True2.5
n = 5
n = n & "x"
WScript.Echo n, TypeName(n)
' expect: 5x String
t = s
s = s & "!"
WScript.Echo t, s
' expect: a1True2.5 a1True2.5!

' A function in the pieces may change the variable first; its change is lost, as the
' text was read before.
Function Touch()
    s = "changed"
    Touch = "t"
End Function
s = "a"
s = s & Touch
WScript.Echo s
' expect: at
s = "a"
s = s & Touch() & "u"
WScript.Echo s
' expect: atu

' So may an object's default property, even one held in an array.
Class Sneaky
    Public Default Property Get Value()
        s = "changed"
        Value = "v"
    End Property
End Class
Set sneak = New Sneaky
s = "a"
s = s & sneak
WScript.Echo s
' expect: av
holder = Array(sneak)
s = "a"
s = s & holder(0)
WScript.Echo s
' expect: av

' Inside a procedure and on a class field.
Function Build(count)
    Dim out, i
    For i = 1 To count
        out = out & i & ","
    Next
    Build = out
End Function
WScript.Echo Build(5)
' expect: 1,2,3,4,5,
Class Log
    Private text
    Sub Add(line)
        text = text & line & ";"
    End Sub
    Function Show()
        Show = text
    End Function
End Class
Set l = New Log
l.Add "x" : l.Add "y"
WScript.Echo l.Show()
' expect: x;y;
