x = 1 $ 2
' expect syntax error: Invalid character
