' Numbers print in the general format: up to 15 significant digits.
WScript.Echo 1E15, 1E14, 123456789012345, 1234567890123456
' expect: 1E+15 100000000000000 123456789012345 1.23456789012346E+15
WScript.Echo 0.0001, 0.00001, 1.5E-10, -2.5E+20
' expect: 0.0001 1E-05 1.5E-10 -2.5E+20
WScript.Echo 123456789012345678, 100, -0.5, 3.0
' expect: 1.23456789012346E+17 100 -0.5 3
WScript.Echo CSng(1 / 3), CDbl(1) / 3, CSng(1.5)
' expect: 0.3333333 0.333333333333333 1.5
WScript.Echo CCur(1.5), CCur(2), CCur(1) / 3, TypeName(CCur(1) * 2)
' expect: 1.5 2 0.333333333333333 Currency
