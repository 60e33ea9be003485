Function Fib(n)
    If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)
End Function
Sub Add(ByRef total, ByVal x)
    total = total + x
End Sub
t = 0
Add t, Fib(12)
Call Add(t, 1)
TotX = t
