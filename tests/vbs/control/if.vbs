x = 5
If x > 3 Then WScript.Echo "big" Else WScript.Echo "small"
' expect: big
If x > 10 Then WScript.Echo "huge" Else WScript.Echo "not huge": WScript.Echo "still else"
' expect: not huge
' expect: still else
If x = 5 Then WScript.Echo "a": WScript.Echo "b"
' expect: a
' expect: b
If x < 0 Then
    WScript.Echo "negative"
ElseIf x < 5 Then
    WScript.Echo "small"
ElseIf x < 10 Then
    WScript.Echo "medium"
Else
    WScript.Echo "large"
End If
' expect: medium
If Null Then WScript.Echo "null is true" Else WScript.Echo "null is not true"
' expect: null is not true
If "True" Then WScript.Echo "string true"
' expect: string true
If x Then WScript.Echo "nonzero"
' expect: nonzero
