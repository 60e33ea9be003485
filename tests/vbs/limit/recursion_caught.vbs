' Out of stack space is an ordinary error: On Error sees it and the script goes on.
Sub Forever(n)
    Forever n + 1
End Sub
On Error Resume Next
Forever 0
WScript.Echo Err.Number, Err.Description
' expect: 28 Out of stack space
