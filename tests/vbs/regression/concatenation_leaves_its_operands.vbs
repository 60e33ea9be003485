' A chain of & grows its own result in place; the strings it started from,
' held in variables, arrays or returned by a function, stay as they were.
x = "a"
y = x & "b" & "c"
' expect: a abc
WScript.Echo x, y
Dim list(1)
list(0) = "p"
z = list(0) & 1 & Null & True
' expect: p p1True
WScript.Echo list(0), z
Function Greeting()
    Greeting = "hi"
End Function
g = Greeting() & " there"
' expect: hi there
WScript.Echo g
w = x
w = w & x & x
' expect: a aaa
WScript.Echo x, w
' expect: Null
WScript.Echo TypeName(Null & Null)
