' expect: 3:04:05 PM|2:01:05 PM|12:00:01 AM
WScript.Echo TimeSerial(15, 4, 5) & "|" & TimeSerial(13, 61, 5) & "|" & TimeSerial(0, 0, 1)
' Before midnight of day zero is the day before.
' expect: 12/29/1899 11:00:00 PM
WScript.Echo TimeSerial(-1, 0, 0)
' expect: 1.5
WScript.Echo CDbl(TimeSerial(36, 0, 0))
