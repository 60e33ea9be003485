' Nothing runs when the code does not compile.
WScript.Echo "must not print"
x = (1 + 2
' expect syntax error: Expected ')'
