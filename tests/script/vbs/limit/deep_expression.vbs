' Expressions nested too deep to run safely are refused when the code is read.
opening = "" : closing = ""
For i = 1 To 500
    opening = opening & "(" : closing = closing & ")"
Next
Execute "x = " & opening & "1" & closing
' expect runtime error: Out of stack space
