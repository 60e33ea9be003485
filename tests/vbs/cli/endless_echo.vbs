' Echoes a line now and then, with work in between, until it is stopped.
i = 0
Do
    i = i + 1
    WScript.Echo "line " & i
    For k = 1 To 20000
    Next
Loop
