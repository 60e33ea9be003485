' locale: italian
' Text arguments are read with the decimal comma.
' expect: 2,5 3 2,68
WScript.Echo Abs("-2,5"), Int("3,7"), Round("2,675", 2)
