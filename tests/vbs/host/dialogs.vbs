' msgbox answer: 6
' inputbox answer: Ann
' inputbox answer: <cancel>
r = MsgBox("Continue?", vbYesNo, "Question")
WScript.Echo r = vbYes
' expect: [MsgBox] Continue?
' expect: -1
name = InputBox("Your name?")
WScript.Echo "Hello " & name
' expect: [InputBox] Your name?
' expect: Hello Ann
other = InputBox("Again?")
WScript.Echo "[" & other & "]"
' expect: [InputBox] Again?
' expect: []
