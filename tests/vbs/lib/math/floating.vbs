' expect: 4 1 0 1
WScript.Echo Sqr(16), Exp(0), Log(1), Cos(0)
' expect: 3.14159265358979
WScript.Echo 4 * Atn(1)
' expect: 2.30258509299405 0.841470984807897 1.5574077246549
WScript.Echo Log(10), Sin(1), Tan(1)
' expect: -1
WScript.Echo IsNull(Sqr(Null))
On Error Resume Next
x = Sqr(-1)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Log(0)
' expect: 5
WScript.Echo Err.Number
Err.Clear
x = Exp(1000)
' expect: 6 Overflow
WScript.Echo Err.Number, Err.Description
