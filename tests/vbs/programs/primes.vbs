' The sieve of Eratosthenes with a Boolean array.
Const Limit = 100
Dim composite(100)
count = 0
For n = 2 To Limit
    If Not composite(n) Then
        count = count + 1
        last = n
        For m = n * n To Limit Step n
            composite(m) = True
        Next
    End If
Next
WScript.Echo count, last
' expect: 25 97
