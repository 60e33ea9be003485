Execute "x = " & String(500, "(") & "1" & String(500, ")") ' expect runtime error: Out of stack space
' Expressions nested too deep to run safely are refused when the code is read; the
' error stands on line 1 of the text given to Execute.
