' A hundred thousand keys: adding, finding and removing stay quick.
Set d = CreateObject("Scripting.Dictionary")
For i = 1 To 100000
    d.Add "k" & i, i
Next
For i = 1 To 100000 Step 2
    d.Remove "k" & i
Next
found = 0
For i = 1 To 100000
    If d.Exists("k" & i) Then found = found + 1
Next
keys = d.Keys
' expect: 50000 50000 k2 k100000
WScript.Echo d.Count, found, keys(0), keys(UBound(keys))
