WScript.Echo "waiting"
answer = WScript.StdIn.ReadLine
WScript.Echo "read [" & answer & "]"
