' A Currency value prints like other numbers: at most 15 significant digits.
' expect: 922337203685477 -922337203685477
WScript.Echo CCur(922337203685477), CCur(-922337203685477)
' expect: 123456789012.346 -123456789012.346 1.2345 0.0001 Currency
WScript.Echo CCur("123456789012.3456"), -CCur("123456789012.3456"), CCur("1.2345"), CCur("0.0001"), TypeName(CCur(1))
