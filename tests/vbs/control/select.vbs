Function Classify(v)
    Select Case v
        Case 1, 2, 3
            Classify = "small"
        Case 4 To 9
            Classify = "medium"
        Case Is >= 100, -1
            Classify = "huge or minus one"
        Case Else
            Classify = "other"
    End Select
End Function
WScript.Echo Classify(2), Classify(7), Classify(500), Classify(-1), Classify(50)
' expect: small medium huge or minus one huge or minus one other
Select Case "b"
    Case "a": WScript.Echo "a"
    Case "b", "c": WScript.Echo "b or c"
End Select
' expect: b or c
Select Case "m"
    Case "a" To "k": WScript.Echo "first half"
    Case "l" To "z": WScript.Echo "second half"
End Select
' expect: second half
Select Case 5
    Case 1
        WScript.Echo "one"
End Select
WScript.Echo "no case matched"
' expect: no case matched
