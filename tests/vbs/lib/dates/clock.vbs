' The clock functions, checked loosely: the tests must not depend on the time.
' expect: -1 -1 -1
WScript.Echo Year(Now) >= 2024, VarType(Now) = vbDate, Int(Now) = Date
' expect: -1 -1
WScript.Echo Time >= 0 And Time < 1, Timer >= 0 And Timer < 86400
' expect: -1 -1
WScript.Echo VarType(Timer) = vbSingle, Abs(Timer - (Hour(Now) * 3600 + Minute(Now) * 60 + Second(Now))) < 5
