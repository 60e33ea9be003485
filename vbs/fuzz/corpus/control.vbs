For i = 1 To 10 Step 3
    If i Mod 2 = 0 Then
        s = s & i
    ElseIf i > 5 Then
        s = s & "-"
    Else
        s = s & "+"
    End If
Next
Do While Len(s) < 20 : s = s & "." : Loop
Select Case Left(s, 1)
Case "+", "-" : TotX = 1
Case Else : TotX = 2
End Select
