For Each a In WScript.Arguments
    WScript.Echo "arg:" & a
Next
WScript.Quit WScript.Arguments.Count
