' Months and days out of range roll over into the neighbouring months and years.
' expect: 2/1/2025 2/29/2024 12/31/2023 3/1/2023
WScript.Echo DateSerial(2024, 14, 1), DateSerial(2024, 3, 0), DateSerial(2024, 1, 0), DateSerial(2023, 2, 29)
' expect: 11/1/2023 1/10/2024
WScript.Echo DateSerial(2024, -1, 1), DateSerial(2023, 12, 41)
' Two-digit years: 0-29 are 2000-2029, 30-99 are 1930-1999.
' expect: 1/1/2029 1/1/1930
WScript.Echo DateSerial(29, 1, 1), DateSerial(30, 1, 1)
' expect: 7
WScript.Echo VarType(DateSerial(2024, 1, 1))
x = DateSerial(10000, 1, 1)
' expect runtime error: Invalid procedure call or argument
