Class C
End Class
Dim a, b, c
Set a = New C
Set b = a
Set c = New C
WScript.Echo a Is b, a Is c, Nothing Is Nothing, c Is Nothing
' expect: -1 0 -1 0
Set c = Nothing
WScript.Echo c Is Nothing
' expect: -1
WScript.Echo 1 Is a
' expect runtime error: Object required
