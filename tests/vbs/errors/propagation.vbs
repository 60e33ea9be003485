Sub Inner()
    x = CLng("not a number")
    WScript.Echo "not reached"
End Sub
Sub Outer()
    On Error Resume Next
    Inner
    WScript.Echo "outer continues", Err.Number
End Sub
Outer
' expect: outer continues 13
Function Guarded()
    On Error Resume Next
    Guarded = 1 / 0
    Guarded = "recovered"
End Function
WScript.Echo Guarded()
' expect: recovered
Sub Unguarded()
    Err.Raise 5
End Sub
On Error Resume Next
Unguarded
WScript.Echo Err.Number, Err.Description
' expect: 5 Invalid procedure call or argument
' A failed condition goes on into the Then branch (errors/resume_next_in_if_condition.vbs).
If 1 / 0 = 1 Then WScript.Echo "then branch" Else WScript.Echo "else branch"
WScript.Echo "after if"
' expect: then branch
' expect: after if
