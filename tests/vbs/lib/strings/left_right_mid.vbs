' Left, Right and Mid take UTF-16 units; lengths past the end are fine.
' expect: he|lo|hello|
WScript.Echo Left("hello", 2) & "|" & Right("hello", 2) & "|" & Left("hello", 99) & "|" & Right("hello", 0)
' expect: ell|llo|
WScript.Echo Mid("hello", 2, 3) & "|" & Mid("hello", 3) & "|" & Mid("hello", 9)
' Numbers are read as their text.
' expect: 12|3.5
WScript.Echo Left(123, 2) & "|" & Mid(23.5, 2)
' Null in, Null out.
' expect: -1 -1 -1
WScript.Echo IsNull(Left(Null, 1)), IsNull(Right(Null, 1)), IsNull(Mid(Null, 1))
x = Mid("hello", 0)
' expect runtime error: Invalid procedure call or argument
