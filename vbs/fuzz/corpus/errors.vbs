On Error Resume Next
x = 1 / 0
e = Err.Number
Err.Clear
Err.Raise 13, "src", "desc"
d = Err.Description
On Error GoTo 0
TotX = e & d
y = CInt("not a number")
