WScript.Echo "no end
' expect syntax error: Unterminated string constant
