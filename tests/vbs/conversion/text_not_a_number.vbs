' Every conversion of text that is not a number raises 13, Type mismatch.
Sub Report(functions, texts)
    Dim f, text, results, x
    On Error Resume Next
    For Each f In functions
        results = ""
        For Each text In texts
            Err.Clear
            x = Eval(f & "(""" & text & """)")
            results = results & Err.Number & " "
        Next
        WScript.Echo f, Trim(results)
    Next
End Sub
Report Array("CDbl", "CSng", "CInt", "CLng", "CByte", "CCur", "CBool", "CDate"), Array("abc", "", " ", "1x", "--1", "1e")
' expect: CDbl 13 13 13 13 13 13
' expect: CSng 13 13 13 13 13 13
' expect: CInt 13 13 13 13 13 13
' expect: CLng 13 13 13 13 13 13
' expect: CByte 13 13 13 13 13 13
' expect: CCur 13 13 13 13 13 13
' expect: CBool 13 13 13 13 13 13
' expect: CDate 13 13 13 13 13 13
' Text that reads as a date is no number either (CDate takes it).
Report Array("CDbl", "CSng", "CInt", "CLng", "CByte", "CCur", "CBool"), Array("1.2.3", "1.2.2003", "1/2/2003", "12:30", "1..2", "1.2.")
' expect: CDbl 13 13 13 13 13 13
' expect: CSng 13 13 13 13 13 13
' expect: CInt 13 13 13 13 13 13
' expect: CLng 13 13 13 13 13 13
' expect: CByte 13 13 13 13 13 13
' expect: CCur 13 13 13 13 13 13
' expect: CBool 13 13 13 13 13 13
On Error GoTo 0
x = CDbl("abc")
' expect runtime error: Type mismatch
