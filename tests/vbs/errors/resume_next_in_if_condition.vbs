' Under On Error Resume Next, an error in an If condition goes on with the first
' statement of that condition's block.
On Error Resume Next
If 1 / 0 Then
    WScript.Echo "then", Err.Number
Else
    WScript.Echo "else"
End If
' expect: then 11
Err.Clear
x = 0
If x = 1 Then
    WScript.Echo "one"
ElseIf CLng("z") > 0 Then
    WScript.Echo "elseif", Err.Number
Else
    WScript.Echo "else"
End If
' expect: elseif 13
If Len(Null + Array()) Then WScript.Echo "single line" Else WScript.Echo "single else"
' expect: single line
On Error GoTo 0
' Without it, the error stops the script at the condition's own line.
If x = 1 Then
    WScript.Echo "one"
ElseIf 1 / x Then
' expect runtime error: Division by zero
    WScript.Echo "two"
End If
