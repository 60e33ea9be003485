i = 0
Do While i < 3
    i = i + 1
Loop
WScript.Echo i
' expect: 3
Do Until i = 0
    i = i - 1
Loop
WScript.Echo i
' expect: 0
Do
    i = i + 1
Loop While i < 5
WScript.Echo i
' expect: 5
Do
    i = i + 1
Loop Until True
WScript.Echo i
' expect: 6
Do
    i = i + 1
    If i > 8 Then Exit Do
Loop
WScript.Echo i
' expect: 9
While i > 0
    i = i - 2
Wend
WScript.Echo i
' expect: -1
Do While False
    WScript.Echo "never"
Loop
Do
    WScript.Echo "once"
Loop While False
' expect: once
