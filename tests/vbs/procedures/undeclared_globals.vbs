' A variable the top level creates by assignment alone, without Dim, is a global:
' procedures and class methods read and write that one variable.
total = 0
Sub AddTo(v)
    total = total + v
End Sub
AddTo 5 : AddTo 7
WScript.Echo total
' expect: 12

' Read before it is written, and written in more than one place.
count = 1
Sub Twice()
    WScript.Echo "seen " & count
    count = count * 2
    count = count + 0
End Sub
Twice : Twice
WScript.Echo count
' expect: seen 1
' expect: seen 2
' expect: 4

' The top level may create it after the procedure's text.
Sub Bump()
    later = later & "+"
End Sub
later = "x"
Bump : Bump
WScript.Echo later
' expect: x++

' A loop counter of a procedure is the global when there is one.
i = 100
Sub Loop3()
    For i = 1 To 3
    Next
End Sub
Loop3
WScript.Echo i
' expect: 4

' Class methods reach the same globals.
cnt = 1
Class Counter
    Sub Add(v)
        cnt = cnt + v
    End Sub
    Function Current()
        Current = cnt
    End Function
End Class
Set c = New Counter
c.Add 2 : c.Add 3
WScript.Echo cnt, c.Current()
' expect: 6 6

' A global that code run later creates is found too.
Sub ShowLate()
    WScript.Echo "[" & madeLater & "]"
End Sub
ShowLate
ExecuteGlobal "madeLater = 5"
ShowLate
' expect: []
' expect: [5]

' A name no global has is the procedure's own, fresh at every call.
Sub OwnOnly()
    own = own & "o"
    WScript.Echo own
End Sub
OwnOnly : OwnOnly
WScript.Echo "[" & own & "]"
' expect: o
' expect: o
' expect: []
