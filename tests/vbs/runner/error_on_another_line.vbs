' The runner must refuse this script: the error happens on line 3, the comment that
' expects it follows line 4.
x = 1 / 0
y = 2
' expect runtime error: Division by zero
