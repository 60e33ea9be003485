For i = 1 To 3: WScript.Echo i: Next
' expect: 1
' expect: 2
' expect: 3
WScript.Echo "after", i
' expect: after 4
s = ""
For i = 10 To 1 Step -3: s = s & i & " ": Next
WScript.Echo s
' expect: 10 7 4 1
s = ""
For x = 0 To 1 Step 0.25: s = s & x & ";": Next
WScript.Echo s
' expect: 0;0.25;0.5;0.75;1;
n = 3
For i = 1 To n
    n = 10   ' the bound was evaluated once
Next
WScript.Echo i
' expect: 4
For i = 5 To 1: WScript.Echo "never": Next
WScript.Echo "empty loop", i
' expect: empty loop 5
For i = 1 To 10
    If i = 4 Then Exit For
Next
WScript.Echo i
' expect: 4
For i = 1 To 2
    For j = 1 To 2
        WScript.Echo i & "," & j
    Next
Next
' expect: 1,1
' expect: 1,2
' expect: 2,1
' expect: 2,2
