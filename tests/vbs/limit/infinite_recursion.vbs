Function Down(n)
    Down = Down(n + 1)
    ' expect runtime error: Out of stack space
End Function
x = Down(0)
