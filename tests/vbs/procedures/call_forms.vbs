' The ways to call: with and without parentheses, Call, a parenthesised first argument.
Sub Show(a, b)
    WScript.Echo a & "|" & b
End Sub
Function Twice(x)
    Twice = x * 2
End Function
WScript.Echo (1 + 2) * 3, 4
' expect: 9 4
Show (1), 2
' expect: 1|2
Show "a", Twice(3)
' expect: a|6
Call Show("b", (5))
' expect: b|5
WScript.Echo Twice(Twice(2)) + 1
' expect: 9
WScript.Echo("single")
' expect: single
Dim grid(1, 1)
grid(1, 1) = "cell"
WScript.Echo grid(1, 1)
' expect: cell
If True Then Show "in", "if" Else Show "in", "else"
' expect: in|if
