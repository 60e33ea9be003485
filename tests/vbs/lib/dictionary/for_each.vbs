' For Each visits the keys in the order they were added.
Set d = CreateObject("Scripting.Dictionary")
d.Add "z", 1
d.Add "a", 2
d.Add "m", 3
d.Remove "a"
d.Add "a", 4
s = ""
For Each k In d
    s = s & k & "=" & d(k) & " "
Next
' expect: z=1 m=3 a=4
WScript.Echo Trim(s)
