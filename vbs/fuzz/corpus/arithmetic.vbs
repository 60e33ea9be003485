Dim a, b
a = 7 \ 2 + 5 Mod 3 - 2 ^ 10 * -1.5E3 / 4
b = CLng("12") + CDbl("3.25") & "x"
TotX = a + Len(b)
