' timeout: 300
' A loop that never ends stops at the time limit, whatever On Error says.
On Error Resume Next
Do: x = x + 1: Loop
' expect runtime error: The script ran longer than its time limit and was stopped
