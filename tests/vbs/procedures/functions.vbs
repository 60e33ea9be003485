Function Fact(n)
    If n <= 1 Then
        Fact = 1
    Else
        Fact = n * Fact(n - 1)
    End If
End Function
WScript.Echo Fact(10)
' expect: 3628800
Function NoResult()
End Function
WScript.Echo IsEmpty(NoResult()), IsEmpty(NoResult)
' expect: -1 -1
Function Early(x)
    Early = "early"
    If x Then Exit Function
    Early = "late"
End Function
WScript.Echo Early(True), Early(False)
' expect: early late
Sub Greet(name, greeting)
    WScript.Echo greeting & ", " & name
End Sub
Greet "Ann", "Hello"
' expect: Hello, Ann
Call Greet("Bob", "Hi")
' expect: Hi, Bob
WScript.Echo Later(2)
' expect: 4
Function Later(v)
    Later = v * 2
End Function
Sub Counter()
    Dim local
    local = local + 1
    WScript.Echo local
End Sub
Counter
Counter
' expect: 1
' expect: 1
Greet "only one"
' expect runtime error: Wrong number of arguments or invalid property assignment
