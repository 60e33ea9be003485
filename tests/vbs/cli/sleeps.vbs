WScript.Echo "asleep"
WScript.Sleep 30000
WScript.Echo "awake"
