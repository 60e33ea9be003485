' Rnd and Randomize: the language's 24-bit generator, x = (x * 1140671485 + 12820163)
' mod 2^24 starting at &H50000, each number x / 2^24 as a Single.
' A script that never seeds it gets the platform's sequence.
WScript.Echo Rnd, Rnd, Rnd(1), Rnd(), Rnd(42)
' expect: 0.7055475 0.533424 0.5795186 0.2895625 0.301948
WScript.Echo TypeName(Rnd), VarType(Rnd(1))
' expect: Single 4
' Rnd(0) repeats the number the generator stands at (TypeName(Rnd) above took one).$
x = Rnd
WScript.Echo Rnd(0) = x, Rnd(0) = x, Rnd(0)
' expect: -1 -1 0.7607236

' A negative number starts again at a point its single-precision bits fix.
WScript.Echo Rnd(-1), Rnd, Rnd(-1)
' expect: 0.224007 0.03584582 0.224007
WScript.Echo Rnd(-2.5), Rnd(-0.5), Rnd(-1000000)
' expect: 0.3383257 0.724007 0.8186707

' Randomize n sets the upper 16 bits from n's bits and keeps the lowest 8: after
' Rnd(-1) the sequence repeats, without it the same n gives another one.
Rnd -1
Randomize 10
WScript.Echo Rnd, Rnd, Rnd
' expect: 0.1436949 0.200305 0.509906
Rnd -1
Randomize 10
WScript.Echo Rnd, Rnd, Rnd
' expect: 0.1436949 0.200305 0.509906
Randomize 10
WScript.Echo Rnd, Rnd, Rnd
' expect: 0.03024542 0.6935466 0.134002
Rnd -1
Randomize 0.5
WScript.Echo Rnd, Rnd
' expect: 0.08430773 0.5659666
Rnd -1
Randomize -3
WScript.Echo Rnd, Rnd
' expect: 0.2074767 0.3214598
Rnd -1
Randomize "123456789"
WScript.Echo Rnd, Rnd
' expect: 0.6766692 0.6170073
Rnd -1
Randomize 1
WScript.Echo Rnd(0)
' expect: 0.2497638

' Randomize alone seeds from the clock; every number stays in [0, 1), and a loop
' waiting for a given die roll ends.
Randomize
inRange = True
For i = 1 To 2000
    r = Rnd
    If r < 0 Or r >= 1 Then inRange = False
Next
WScript.Echo inRange
' expect: -1
rolls = 0
Do
    rolls = rolls + 1
Loop Until Int(Rnd * 6) + 1 = 6 Or rolls > 10000
WScript.Echo rolls <= 10000
' expect: -1

On Error Resume Next
x = Rnd("abc")
WScript.Echo Err.Number
' expect: 13
Err.Clear
Randomize "abc"
WScript.Echo Err.Number
' expect: 13
Err.Clear
x = Rnd(1, 2)
WScript.Echo Err.Number
' expect: 450
