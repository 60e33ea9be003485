WScript.StdOut.Write "no newline"
WScript.StdOut.WriteLine " then newline"
' expect: no newline then newline
WScript.Echo WScript.Arguments.Count
' expect: 0
WScript.Echo "before quit"
' expect: before quit
WScript.Quit 0
WScript.Echo "after quit"
