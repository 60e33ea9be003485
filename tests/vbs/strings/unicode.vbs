' Strings are UTF-16: non-ASCII text passes through unchanged.
s = "caffè €"
WScript.Echo s
' expect: caffè €
WScript.Echo "Ä" = "ä", "Ä" < "Z", "é" & "è"
' expect: 0 0 éè
