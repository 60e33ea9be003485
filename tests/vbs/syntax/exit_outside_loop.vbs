Exit For
' expect syntax error: Invalid 'exit' statement
