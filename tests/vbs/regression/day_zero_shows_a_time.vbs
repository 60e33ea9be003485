' A date value on day zero is a time of day: it shows only the time.
' expect: 12:00:00 AM
WScript.Echo CDate(0)
' expect: 12:00:00 AM
WScript.Echo TimeSerial(0, 0, 0)
' expect: 6:30:00 AM
WScript.Echo TimeSerial(6, 30, 0)
' expect: 1/5/2026
WScript.Echo DateSerial(2026, 1, 5)
