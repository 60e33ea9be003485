' The default locale reads "1,5" with a group separator.
WScript.Echo 1.5, CDbl("1.5"), CDbl("1,500"), IsNumeric("1.5.5")
' expect: 1.5 1.5 1500 0
