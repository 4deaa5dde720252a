OßAÂ ”CÚ}LD-ŒÄèR _š [ ]Ñ
¨K13iF'
Õal / æca Ë‰Oß ªUhAU _š o ]Ç
©K:"gJ>
“ÿ ¿‹N ŽAz`E ãŽ Â W55
FMCE˜22
ŽbšE-¯‚” _š Â ñ¶
FM8V˜0?
99
AFfR ^E iD [ CXAF
¥Lj
