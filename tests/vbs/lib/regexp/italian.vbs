' locale: italian
' Numbers are searched as the text they show in the locale.
Set re = New RegExp
re.Pattern = "\d+,\d+"
' expect: -1 2,5
WScript.Echo re.Test(2.5), re.Execute(2.5)(0)
