' Scripts cannot start programs or reach the file system: only Scripting.Dictionary
' and VBScript.RegExp can be created.
On Error Resume Next
Set sh = CreateObject("WScript.Shell")
WScript.Echo Err.Number, Err.Description
' expect: 429 ActiveX component can't create object
Err.Clear
Set fso = CreateObject("Scripting.FileSystemObject")
WScript.Echo Err.Number
' expect: 429
Err.Clear
Set x = CreateObject("VBScript.RegExp.Other")
WScript.Echo Err.Number
' expect: 429
