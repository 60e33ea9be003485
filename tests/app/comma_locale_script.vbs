' Numbers in code always use "."; numbers in text and on output follow the
' locale, whatever the C library's locale says.
WScript.Echo 1.5 + 1
WScript.Echo CDbl("1,5") * 2
WScript.Echo 1E20 / 4
