Set d = CreateObject("Scripting.Dictionary")
d.Add "a", 1
d.Remove "b"
' expect runtime error: Element not found
