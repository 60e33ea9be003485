WScript.Echo "before"
x = CLng("oops")
