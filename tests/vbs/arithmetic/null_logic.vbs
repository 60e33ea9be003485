' Null in logic is three-valued: the result is Null unless the other operand decides
' it on its own. CStr shows the Booleans as words, "Null" marks a Null result.
Function Shown(v)
    If IsNull(v) Then Shown = "Null" Else Shown = CStr(v)
End Function
Dim values : values = Array(True, False, Null)
Sub Table(op)
    Dim line, a, b
    line = op & ":"
    For Each a In values
        For Each b In values
            line = line & " " & Shown(Eval("a " & op & " b"))
        Next
    Next
    WScript.Echo line
End Sub
' Rows in the order True.True True.False True.Null False.True ... Null.Null.
' expect: And: True False Null False False False Null False Null
Table "And"
' expect: Or: True True True True False Null True Null Null
Table "Or"
' expect: Xor: False True Null True False Null Null Null Null
Table "Xor"
' expect: Eqv: True False Null False True Null Null Null Null
Table "Eqv"
' expect: Imp: True False Null True True True True Null Null
Table "Imp"
' On numbers, bit by bit: 0 decides And, -1 decides Or, with the number's own subtype.
' expect: 0 Integer -1 Long Null Null
WScript.Echo Shown(0 And Null), TypeName(Null And 0), Shown(Null Or CLng(-1)), TypeName(CLng(-1) Or Null), Shown(Null And 6), Shown(6 Or Null)
' expect: -1 -1 Null
WScript.Echo Shown(0 Imp Null), Shown(Null Imp -1), Shown(Not Null)
