' The run-time error carries the line of the failing statement.
x = 1

y = Nothing + 1
' expect runtime error: Object variable not set
