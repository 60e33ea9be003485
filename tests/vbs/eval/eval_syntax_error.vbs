Eval("1 +") ' expect runtime error: Expected expression
' A mistake in the text given to Eval ends the script as a run-time error, placed
' within that text (line 1, column 4), as the console host reports it.
