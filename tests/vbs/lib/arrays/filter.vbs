fruit = Array("Apple", "banana", "cherry", "grape")
' expect: banana,grape
WScript.Echo Join(Filter(fruit, "a"), ",")
' expect: Apple,banana,grape
WScript.Echo Join(Filter(fruit, "A", True, vbTextCompare), ",")
' Include False keeps the elements that do not contain the text.
' expect: Apple,cherry,grape|banana,cherry
WScript.Echo Join(Filter(fruit, "an", False), ",") & "|" & Join(Filter(fruit, "AP", False, vbTextCompare), ",")
' Nothing found gives an empty array.
' expect: -1
WScript.Echo UBound(Filter(fruit, "zzz"))
x = Filter(Null, "a")
' expect runtime error: Invalid use of Null
