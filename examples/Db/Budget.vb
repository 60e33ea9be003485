' Budget.vb: the script of the note Budget.txt, run with F5.
' It reads the note through "Text", adds VAT to every expense, lists the
' largest expenses with the sorted list "ListBoxSort", writes a summary to
' "Echo" (the output window) and puts what is left in the second total, TotY.
' The note itself is not changed.

Const VAT = 0.22

Dim line, sign, word, amount, description, income, expenses, gross, i, shown

Echo.WriteLine "Expenses with " & (VAT * 100) & "% VAT"
Echo.WriteLine String(40, "-")
For Each line In Split(Text, vbCrLf)
    line = Trim(line)
    sign = Left(line, 1)
    If sign = "+" Or sign = "-" Then
        ' A counted line: the operator, the amount, then a description.
        word = Split(Mid(line, 2) & " ", " ")(0)
        If IsNumeric(word) Then
            amount = CDbl(word)
            description = Trim(Mid(line, Len(word) + 2))
            If sign = "+" Then
                income = income + amount
            Else
                gross = amount * (1 + VAT)
                expenses = expenses + gross
                Echo.WriteLine Right(Space(10) & FormatNumber(gross, 2), 10) & "  " & description
                ' Padded to one width, the amounts sort as numbers do.
                ListBoxSort.AddItem Right(Space(12) & FormatNumber(gross, 2), 12) & "  " & description
            End If
        End If
    End If
Next

Echo.WriteLine
Echo.WriteLine "The three largest expenses"
Echo.WriteLine String(40, "-")
For i = ListBoxSort.ListCount - 1 To 0 Step -1
    If shown = 3 Then Exit For
    Echo.WriteLine Trim(ListBoxSort.List(i))
    shown = shown + 1
Next

Echo.WriteLine
Echo.WriteLine "Income:             " & FormatNumber(income, 2)
Echo.WriteLine "Expenses with VAT:  " & FormatNumber(expenses, 2)
Echo.WriteLine "Left:               " & FormatNumber(income - expenses, 2)
TotY = FormatNumber(income - expenses, 2)
