x = 1
Loop
' expect syntax error: 'loop' without 'do'
