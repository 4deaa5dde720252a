OЯAВ ”CЪ}LD-ЊДиR _љ [ ]С
ЁK13iF'
ХЏal / жca Л‰OЯ ЄUhAU _љ o ]З
©K:"gJ>
“я ї‹N ЋAz`E гЋ В W55
FMCE22
ЋbљE-Ї‚” _љ В с¶
