' locale: italian
' True and False turned into text are the locale's words, wherever text is made.
' expect: Vero Falso
WScript.Echo CStr(True), CStr(False)
' expect: è Vero|Falso
WScript.Echo "è " & True & "|" & (1 = 2)
' expect: Vero,Falso
WScript.Echo Join(Array(True, False), ",")
' expect: [MsgBox] Vero
MsgBox True
' The console host's Echo shows a Boolean as its number, in every language.
' expect: -1 0
WScript.Echo True, 1 = 2
' CBool reads the locale's words and the English ones.
' expect: Vero Falso Vero Falso
WScript.Echo CStr(CBool("vero")), CStr(CBool("FALSO")), CStr(CBool("True")), CStr(CBool("false"))
