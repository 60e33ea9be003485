' Every conversion of text that is not a number raises 13, Type mismatch.
On Error Resume Next
Dim results
For Each f In Array("CDbl", "CSng", "CInt", "CLng", "CByte", "CCur", "CBool", "CDate")
    For Each text In Array("abc", "", " ", "1x", "--1", "1e")
        Err.Clear
        x = Eval(f & "(""" & text & """)")
        results = results & Err.Number & " "
    Next
    WScript.Echo f, Trim(results)
    results = ""
Next
' expect: CDbl 13 13 13 13 13 13
' expect: CSng 13 13 13 13 13 13
' expect: CInt 13 13 13 13 13 13
' expect: CLng 13 13 13 13 13 13
' expect: CByte 13 13 13 13 13 13
' expect: CCur 13 13 13 13 13 13
' expect: CBool 13 13 13 13 13 13
' expect: CDate 13 13 13 13 13 13
On Error GoTo 0
x = CDbl("abc")
' expect runtime error: Type mismatch
