' DateValue keeps the date part, TimeValue the time part.
' expect: 1/5/2024|3:04:00 PM
WScript.Echo DateValue("1/5/2024 3:04 PM") & "|" & TimeValue("1/5/2024 3:04 PM")
' expect: 1/5/2024|6:00:00 AM
WScript.Echo DateValue(DateSerial(2024, 1, 5) + 0.25) & "|" & TimeValue(DateSerial(2024, 1, 5) + 0.25)
' expect: 7 7 -1
WScript.Echo VarType(DateValue("1/5/2024")), VarType(TimeValue("10:00")), IsNull(DateValue(Null))
x = DateValue("13/13/2024")
' expect runtime error: Type mismatch
