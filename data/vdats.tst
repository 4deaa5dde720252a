ÞGUiAY-ãìT±œE R¦Ä o ]BG
ªN1NdY=
hc “ÿ R¦Ä NL ]DF
¬O*;W5L
†Õ[ _fÖb‹}L R¦Ä Í ]EG
DS0A@N
IQlU— R¦Ä NU ]FB
³]K5b?3
Fahžµ[ _fÖb‹}L R¦Ä ó ]FC
«KR%`=N
êë C. ÔNƒ ¡§LeN _fÖb‹}L R¦Ä [ ]HM
¥I(7mUR
¡‰FAX / d`ÃËD _fÖb‹}L R¦Ä ¾ ]HZ
«JRQ]<=
dEPjN±œE DYÕ™ _fÖb‹}L R¦Ä NL ]JT
¬N>BX?(
aG‹N OF ÂfRŸO _fÖb‹}L R¦Ä [ ]KF
¤I9En4I
ÿŸW} _fÖb‹}L R¦Ä \ ]LW
FOW4•4G
‘Ä ˜ÔR•Y _fÖb‹}L R¦Ä Í ]MM
DVE*+1
Õal §•L _fÖb‹}L R¦Ä o ]MX
¨KFLh 1
OßAÂ ”CÚ}LD-ŒÄèR _fÖb‹}L R¦Ä [ ]Ñ
¨K13iF'
ÆEC J¶N €Þ³ _fÖb‹}L R¦Ä o ]QB
ªLM:e5B
’™ÎR _fÖb‹}L R¦Ä [ ]QG
£H.>pW2
y¶fR ÕxeN ƒ…O €ø`C _fÖb‹}L R¦Ä ó ]QM
«L$M^FD
‚ÕX îœé _fÖb‹}L R¦Ä / CFB ‚ÕX \ ]QQ
GOHEšS+
aG_A _fÖb‹}L R¦Ä r ]QR
?P7U†EE
^¿hR ãY _fÖb‹}L R¦Ä [ ]QT
ŸN41w18
w™c _fÖb‹}L R¦Ä NL ]QX
¬NV)T@"
Õal / æca Ë‰Oß ªUhAU _fÖb‹}L R¦Ä o ]Ç
¨K:"gJ>
îxOUkR _fÖb‹}L R¦Ä \ ]VR
FO)D™) 
’üI¨G / JÝ‡ õª[G ž´DÎN _fÖb‹}L R¦Ä m ]WG
:OTB,6
ÞrbsN êë G. Eýóíc _fÖb‹}L R¦Ä r ]XE
AR(-ˆH!
 _„ ³Š³ (_fÖb‹}L) R¦Ä \ ]XS
GSS"˜F
Ÿ™[ _fÖb‹}L R¦Ä [ ]XU
¤IXo&V
ÍáTS‘ù _fÖb‹}L R¦Ä \ ]XX
FO=˜3F
°—E¹ºE / cIK ÉËŽN _fÖb‹}L R¦Ä YT ]XY
IZH=¥!W
ŒLw× _fÖb‹}L R¦Ä Í ]YC
DQ%&B
´ŸßâÑN R¦Ä ¨ ]YG
«L/2]%=
±µŠç _fÖb‹}L R¦Ä \ ]YJ
FNDP™7F
d. êë'S _fÖb‹}L R¦Ä NL ]YT
«MC%RK%
eƒO ¨ÎN _fÖb‹}L R¦Ä [ ]YZ
¥IF?mCL
YËŸWKÉý _fÖb‹}L R¦Ä  ]ZF
F\9L86
`AÅM “ÿ R¦Ä \ ŒJ4
GR9#›0,
Æl¢Ø –H R¦Ä \ ŒT4
GO2-š5A
Œ´E ¤¼K-®H¤OFT aG‹}L R¦Ä \ ŒZ5
FPL=—1/
œA œA (ŒÈœ g“™) R¦Ä \ CB\
HR)$ž'7
B•ÈeN-Œ€ÚN R¦Ä [ Cx3
¥IKCmR<
‘Ä F•x‡ ÔÉÐåL R¦Ä [ ]AG
›NE3{8C
“ y`h-4 R¦Ä o ]AH
«SK/gF=
ÞÇT dE ”žE R¦Ä [ ]Ý
¢L;r<<
K®Í[IKA R¦Ä [ ]AQ
 S=;vD@
’üI¨G / d. `DaWS R¦Ä m ]AV
:P!5W
“C Ó áüâ R¦Ä m ]AX
9P/F~B
d. `^[Y R¦Ä NL ]AY
­Q5=V#
eÃ£ / Ÿˆ –H R¦Ä \ ]ð
GO"M›L>
ãè-‚…AU R¦Ä o ]\
«O%Wb*.
œA ‚|A R¦Ä \ ]BD
GR5-œAL
áüY±œE R¦Ä Í ]BF
CT0-ŒJD
ãÿR “ÿ R¦Ä NU ]BK
œ^/V~"F
ŒÈœ žkR R¦Ä \ ]ø
GOW!›..
B•™[ ÔÉÐåL R¦Ä m ]BR
<OTBW%
Éå’N R¦Ä r ]Ü
?S1W†;
ŒLw× / ÀžˆãNK R¦Ä Í ]BW
DQ$,4(
Ÿ·hS-h-ø`C-Þø[ R¦Ä o ]BX
­Q8CW)%
ŒmžD³ ãY R¦Ä NU ]CB
>c$;‡&/
‚ÖÂœ aG‹}L R¦Ä [ ]CC
¨K#?h@"
}}IÕ R¦Ä \ ]CD
FO!0™R*
„•‰A / JÝ‡ T. ÃËD …Õžl AcODƒ… [ ]„
¤I/&o<<
Œd€wR/²d Ksf}Y aG‹}L R¦Ä \ ]CG
EO/M“CU
§•§´I R¦Ä ó ]´
«M:_8W
´Ÿ R¦Ä ó ]CL
«MY9`1O
‚´•› R¦Ä [ ]CN
¥O$2oO
øUE žkR R¦Ä \ ]CP
FR%•.Y
´âWY™ R¦Ä \ ]CQ
HUG,—CC
ÛWÎN Ðà R¦Ä YT ]Û
H^ A©%G
ÜRÂï R¦Ä YT ]DB
H[4.© :
ƒ« žkR R¦Ä YT ]DM
I[X,¢75
ÛUPÅN ãRÿR R¦Ä m ]DN
<Q$!‚!%
ÚLAU-Þ_T-ý‰Ði R¦Ä o ]Ú
ªNLIf4<
ÛWÎN ¤¼K R¦Ä \ ]DQ
GUJ:–)
H·[ç R¦Ä [ ]¼
¥JGmUH
Ë‰OT “ÿ ÔÉÐåL R¦Ä [ ]Ë
¤L3#p?G
”ÉeÇ_ ¶d ÔÉÐåL R¦Ä [ ]EM
¤KP?oQ9
‡fîN R¦Ä r ]i
>O*C„WX
†ÎN R¦Ä Í ]â
FS@J’9T
_U±K §ÿ ZUBKO R¦Ä  ]EV
Ib0-£:Y
ÝOS/”Gq R¦Ä o ]é
§N?Pl,Y
B•‘ù ÔÉÐåL R¦Ä [ ]FD
¤I%Sn2?
‘ad±œE R¦Ä o ]ý
«NJLc#P
Õ-ªEm“ _fÖb‹}L R¦Ä o ]FJ
¨L6@hLN
‘Ä aÎL{‹N R¦Ä  ]FR
F[(QG6
‘Ä ­ÈÎN R¦Ä  ]FS
I[KC—,+
ìhž´ R¦Ä [ ]GD
¤ILoHD
ìLhN R¦Ä \ ]³
EQ/W’XU
K_Gd[ £R”N ƒ³º R¦Ä [ ]GK
§J+=jAO
“ y`h ž±cE R¦Ä o ]û
©SC=kH-
GIM‰ _Ódžl åRK R¦Ä m ]GM
:PCG B
§´Ë-¦Ç‹T wÀE R¦Ä o ]GP
¬NL<^:U
³•LDeN y¼¾e› aG‹}L R¦Ä [ ]GQ
¡OLHtV4
¬‡-h-“-”h€_E R¦Ä o ]y
¬M7=[LI
¡Va-Þ_T-æca R¦Ä o ]GV
­P.U]BG
KUUJJUAæK R¦Ä o ]GW
ªU.UkKU
D×hN aG‹}L R¦Ä [ ]HD
œOOTzJE
jd a› ‘› ÔÉÐåL R¦Ä [ ]HF
£OHQqG(
¹ÖEåY› ÔÉÐåL R¦Ä [ ]ë
£O)ArK>
¡_‡ J¿µ‹N R¦Ä YT ]HT
HZM3§>L
Õal / Þ_T-HUÄ …ªO¦‰¯N R¦Ä o ]HU
©K=!g7
¡Y žkR / …RLYN ŒÄc R¦Ä  ]HY
GZP5‘LY
bIKOK` ÔÉÐåL R¦Ä [ ]IB
NL8yD1
GÏ / `}¦‰S aG‹}L R¦Ä ¾ ]Ù
«J>K_M&
d AUG¥N R¦Ä o ]IF
­Q*HXE<
g“™ “ÿ R¦Ä m ]IV
›SQ8|E+
‘Ä ‰D R¦Ä  ]JF
IZ,'™:&
d J¶N R¦Ä o ]JN
©K/Fg.R
KÝŸOPS êë ÕOŽ FÇeN ÃËD aG‹}L R¦Ä \ ]KA
FPH)–8U
ÿY “ÿ R¦Ä r ]KJ
@W-4‡C#
S´Eäc±œE R¦Ä o ]KL
®TN1`N1
K_Œù_E ÔÉÐåL R¦Ä [ ]KM
¤J*#oB6
KÊK“™ “ÿ R¦Ä [ ]KX
¦N*CmXS
K_hº€Y R¦Ä r ]KY
BQ=!‹(R
´Az¶U R¦Ä [ ]LD
£MO*q2N
…ÁÑ “ÿ R¦Ä r ]LJ
BT%=Š=5
œOYD§¾fR R¦Ä Í ]œ
CS0?Œ"5
€AF •æDS R¦Ä m ]LR
<V<NY%
ãRžE-“ÿ ­˜OE aG‹}L R¦Ä [ ]LS
¥J;$m?/
lcT R¦Ä NU ]LT
Âp= \.Y
”YO R¦Ä YT ]”
I]BY¥R#
”¯› R¦Ä o ]…
«NQ7a9*
”ÉeUÂD³ R¦Ä [ ]MG
¢O# sQD
ÕOŽ JAW R ±„ ”º¡L C. M. ˜E²N R¦Ä r ]MJ
@P1O‡?>
´€VOIX R¦Ä o ]ML
ªMAQd+8
ÕOÎ›E R¦Ä [ ]Õ
¦Q/:nB:
´Aåg R¦Ä o ]÷
©OL1h=G
}¯ïÆ` R¦Ä o ]}
­P)6[M2
OßAÂ / w›AU R¦Ä o ]™
¨K=0i?O
“ˆ€Y R¦Ä \ ]NJ
FO$!˜CR
¦_TS £ÄH “™_G R¦Ä r ]NL
?X.B†"U
”¯w§ R¦Ä o ]ö
§OKHkN(
›J`¬_I “ÿ R¦Ä m ]ü
9Y;-LO
EKbI R¦Ä  ]OA
D^GVŒBT
CFB ‚LD “ÿ Í ]OD
CT60Œ.J
Å¸ €kL R¦Ä Í ]OJ
GXC/“'T
OïAÂ EXEÒk R¦Ä [ ]s
¥IU4lSH
•_áW “ÿ R¦Ä Í ]OP
HX;;•6;
Ñi Î¿D / vœY vïOP aG‹}L R¦Ä [ ]OS
¤JA7nP-
 _„ lÄ û®S ÃËD r ]å
@S*Q‡F5
¦Ä ¡WÿSÜ× R¦Ä ¾ ]PD
«KE6[4#
¨–E žkR R¦Ä Í ]¨
GV+C“8O
¦ÄA³-“- žE / Î{H¦Ä R¦Ä m ]PG
;OT)€.8
æß …ÁÑS aG‹}L R¦Ä \ ]PK
FO*T˜H?
æ~€ “ÿ R¦Ä [ ]z
žQ8Mx*Q
¦Ä-…Éc R¦Ä o ]PN
¬OP)^/1
¨fRáƒU¸ aG‹}L R¦Ä [ ]PQ
¦J+Vl3I
 _„ Ì¨Ä R¦Ä \ ] 
HT/( 8H
¦²œ žkR R¦Ä \ ]PW
GOP!š<
PU±Ö—UQ R¦Ä o ]PX
¬Z! k/+
‘Ä ´I¨WY` R¦Ä Í ]PY
DXL %
ÜÖS “ÿ R¦Ä \ ]PZ
HT4A›W"
ÔrOKA R¦Ä [ ]QA
¥JX=m06
^E åS R¦Ä m ]QD
=SX/ƒ#:
aD hc aG‹}L R¦Ä Í ]QF
DR(VSD
ÂTÎN “ÿ R¦Ä YT ]QH
IZ%žO1
YÕ{H R¦Ä ¾ ]QI
«IOC`#/
ÿ£• R¦Ä [ ]QK
›OM0|3M
€^BžD³ ‚¿à R¦Ä Í ]QL
COCOŽN
}K_A R¦Ä [ ]QN
¡P(XtGM
d ^O”S ÔÉÐåL R¦Ä [ ]QS
¤HL*o$E
y`h  žE R¦Ä Í ]Æ
GU(M”S$
YŠKeN ÔÉÐåL R¦Ä r ]QV
>Q-S„9I
£ÄH ãß€‘ù R¦Ä r ]QW
BRL(Š,C
SYD›Y / J.A. ÚUû® ˜ÒùY R¦Ä ¾ ]QY
¬L'GZ R
Æ‡›L R¦Ä \ ]QZ
GS@˜<B
aÎL{E ãY R¦Ä NU ]RB
ªhI|X(
ž±cE-Ó-ŸUP R¦Ä o ]ž
«MKRcA#
ƒRîL R¦Ä o ]RJ
ªN=)f-W
aD “ÿ R¦Ä [ ]RL
›Q"{MA
OßAÂ / ƒ~C‰äE R¦Ä [ ]ƒ
¨K9DiDD
OßAÂ / ŒRP R¦Ä [ ]RP
§K1'j2
ªOg-ž±c‡ R¦Ä o ]RQ
©L3(fFL
•NK_ _€T R¦Ä NU ]Ä
 \NGz$W
akLdOÿ R¦Ä \ ]RV
FPWJ”)!
½DÜ× R¦Ä [ ]SB
¥LC<nMV
ïcBƒOÿ R¦Ä o ]SC
©K81eG;
d[Y •æDS R¦Ä r ]SF
AY-‡P:
Þ_T-³Š³S R¦Ä o ]SG
ªL#MdHS
S§^S FlLS-ÕAGUE (Ì« –H) R¦Ä [ ]ï
§JVKiV8
Þ_T êë R¦Ä ó ]SJ
«K0X_S7
Þ_T-€[D R¦Ä ó ]SL
«M'8aP(
‘Ä S§^ R¦Ä  ]SM
EZ+WI
ÉAw• džµ R¦Ä [ ]SN
¥I)<m(0
”•^[ R¦Ä [ ]À
¡NK1t2F
½M…ºÙE R¦Ä ¨ ]½
«L88]P
¨mƒÿ R¦Ä [ ]¯
§KQRk-$
l” R¦Ä o ]TF
ªN<>eD=
^OÈÎN R¦Ä m ]^
:UN"QQ
CFB ªieN [ ]ª
¦J%&k=G
M§¾/±µŠ M. ¦²R [ ]TS
¥N@)o4B
vœY vïOP eƒO Ðà R¦Ä [ ]TZ
¥ICFm5J
¡œ –H R¦Ä NU ]UX
±bL@o,?
ƒUYN £•™A R¦Ä o ]UY
¦N*4lP&
á}k·E R¦Ä o ]VB
¬N"._9C
“ ƒˆE R¦Ä r ]VC
@U'#‡-I
±ùi / RJ (áB) `DaW ÃËD aG‹}L AcODƒ… m ]VD
=ORH‚U#
kÖ[ aG‹}L R¦Ä \ ]VK
FP,L•1Q
îL-D'Š R¦Ä o ]VO
§N!*kLX
KUUJJUAQ R¦Ä o ]VP
¯X#Lb7C
£R”N ²œS R¦Ä  ]VQ
J_.TœMS
’eN R¦Ä [ ]VV
¤JJKo$8
ÂÜï R¦Ä NL ]WK
­RU1`QR
’œçõ “ÿ R¦Ä \ ]WL
GR(Y˜!,
Wžûé R¦Ä  ]WY
I]*@™8+
¤`BƒOK/Œ}` ƒ~èS _fÖb‹}L R¦Ä \ ]XC
EOBE‘LU
…Ð› ¡T aG‹}L R¦Ä Í ]XH
CP&ŒI.
‘Ä d êë / £ÄH ¨–E aG‹}L R¦Ä \ ]XJ
GV,/–J6
žÕ¥KI R¦Ä o ]XK
«N:Fb;M
­OUX ŸOKO{ R¦Ä [ ]XL
P$PyT1
AkR ¤¼K R¦Ä YT ]XQ
H\6CªR
¶RLeN (§rÝ_G aG‹}L) R¦Ä [ ]XR
¦MGQmPP
£ÄH²d aG‹}L R¦Ä fR•„-K—I”T \ ]XT
HT:%ž@@
ÂÂ R¦Ä [ ]XZ
¢MXrM*
£ÄH ãY J–K wR“™ R¦Ä [ ]YB
¦L3Om74
S§^cS R¦Ä \ ]YD
HTO;(Y
‘Ä ›LÎN R¦Ä \ ]YE
HXP)˜AO
¨¢eN R¦Ä \ ]YF
FO9M•B%
LYü “ÿ R¦Ä m ]YL
=VQPƒ"@
S’FT ÒRa R¦Ä r ]YN
AP/=‰G:
´·´¬L R¦Ä m ]YQ
œXJ3|!T
ìOŽ ãY R¦Ä NL ]YR
®S1'Z7?
KAP¥K®_G R¦Ä [ ]YU
¤O6Hp:)
õª[G R¦Ä [ ]YW
ŸP/7vTA
Õ ê‰ R¦Ä o ]YY
«NB=b*;
ìa ãY ”ÉeÇ_ R¦Ä [ ]ZE
£KS%p@"
S“k “ÿ R¦Ä Í ]ZH
EU/ALD
Þ™À— R¦Ä \ ]ZP
HS--¡NP
´žS ¡DÃËD R¦Ä [ ]ZR
£HYXp0>
‚•L ¡Rá· R¦Ä NU ]ZS
ª^)Bq3@
¦Ä ¡ùY R¦Ä \ ]ZT
GPFP4
°—E‚·T R¦Ä Í ]ZU
FT&D‘M+
ŽPT-¬‡ R¦Ä o ]ZV
¬P+6`-V
fS‰N R¦Ä YT ]ZW
IZ(4¢JA
CFB y¼nsD ¾ ]ZX
«JY"^U
”~iZè R¦Ä \ ]ZY
HU/R™& 
ï¥ÂP aG‹}L R¦Ä \ CZÝ
FPFX•+J
á¿Û× ãY R¦Ä \ CZBB
FO":™7
ã^·d R¦Ä ó CZBF
«MCM_J2
BƒÕ (ƒ“™ hÎ·DY) R¦Ä o CZBM
©K/9fJ;
ÿLŽY R¦Ä m CZ¼
9V -~<A
FO R¦Ä YT CZFA
I\*9£4@
y`D ‘Rñ R¦Ä \ CZGF
EOV”7R
Ji¨G R¦Ä m CZJG
:T=&€ L
SÂN žkR R¦Ä m CZJN
=R%,ƒ,(
^¢ÿT ¦ÄA³ R¦Ä m CZLQ
:U1&H:
æK’e›I R¦Ä m CZô
9UA2'Q
”«â R¦Ä \ CZ÷
HTE¢%<
æxjR ¤¼K R¦Ä Í CZPC
DO=,YO
Þ™Y “ÿ R¦Ä [ CZSJ
œS!Q{2F
dEÂÄ R¦Ä \ CZd
HUV%ŸXW
IG}„ ÔÉÐåL R¦Ä [ CZUC
O7HyI,
d. `Da-Akœ_ AcODƒ… o ŒA2
¨KJFi"+
Þ_T-A¦œ_a (R O) AcODƒ… o ŒA4
ªLA+e?F
_kR…a R¦Ä \ ŒA8
EP=/’3
ªL aG‹}L R¦Ä \ ŒD4
EO!2“B>
…Ržß R¦Ä \ ŒD5
FP%3–JI
ŒYUw ¶d R¦Ä [ ŒF2
¥HWCmM/
T½ÉAH “ÿ ŸD³ R¦Ä \ ŒF4
GQ=Aš'P
´¬KO “ÿ (TSYŸS åRK ŸD³) R¦Ä \ ŒG3
GQC?š&F
AyO 1 ºªIP Í ŒG4
DP1!-:
‚·f}Y RåRK \ ŒH3
GOFKšXP
î€Õ¿T R¦Ä \ ŒH4
FRQ(•2)
’€Y R¦Ä YT ŒJ2
I`;:¦@5
¤‡eN îœé aG‹}L R¦Ä - T ½TC‰äE ÃËD \ ŒJ3
EO +’;S
  AJAX RÃËD [ ŒJ5
¥IT7m P
A J »Y_G •xH R¦Ä Í ŒJ7
DP9,JP
‘Ä Âa R¦Ä \ ŒJ9
HW7F›DS
hL¯ jž¯³ R åRK \ ŒK3
FO"E˜V:
ÚUû® “ÿ R¦Ä \ ŒL3
FP'V–(/
‘Ä ”~AY/lv` AcODƒ… Í ŒL4
DW+87&
Óx` R¦Ä \ ŒM3
FNK.™HA
l¡m• / AHLdƒM R¦Ä Í ŒM4
ER2LF!
¹¥eN R¦Ä \ ŒM5
HT87œLN
l“N R¦Ä r ŒN5
@QKUˆ"
Ž´ËT-GIBÎ¾ R¦Ä \ ŒP3
FO9D™I&
_³ÉKA R¦Ä \ ŒP6
HVM8šSO
APzâ[ ÃËD Í ŒP9
DPY74+
Àžˆ¹¥E RåRK \ ŒQ4
GQW0˜&6
}K¥P R¦Ä \ ŒQ5
EP-Y“NM
Œ…ƒN/á· RÃËD [ ŒR4
¦J:UlJ&
^· Î{H R¦Ä [ ŒR5
¤ILWn8 
ÕOŽ “ÿ ŸD³ R¦Ä \ ŒS2
GS"8›6<
bWsD / ‚¸‰N R¦Ä [ ŒT1
¤IGo.
¦Ä ˜›¬L R¦Ä \ ŒT5
GP@7F
|IkR R¦Ä \ ŒU3
FO(6•?"
î™c¹OF R¦Ä \ ŒU4
HT!$šE
[E H¿DaD §€ ¹¥E R¦Ä \ ŒV3
GQD?—07
˜Bžh R¦Ä/´‰E €íE ÃËD \ ŒV4
GS0T–(.
A¥Eê·/AV-•xH RåRK m ŒV6
9P :~A'
Oí ¡MÕ~ R åRK m ŒV9
:P&=!F
SÒM “ÿ R¦Ä \ ŒW3
GQMI™@T
AXE “ÿ AcODƒ… r ŒX2
CW.'‹PQ
‰ÿLY R¦Ä \ ŒX5
GRC—<
Þþ¶  Iîf RÃËD [ ŒY5
¤I01n;Y
Üšc RÃËD [ Cã7
£HTYp*5
AkR€Y R¦Ä \ Cã8
GSQ2˜T;
OÀIKA R¦Ä \ Cã9
HV..š!N
áWŽR AcODƒ… \ CBB6
HV5IŸVH
OÎYsS R¦Ä \ CBB9
FO ,•;2
‘ù ãY R¦Ä  C\2
J` -šHT
}¡üI ÜßE R¦Ä  CBD6
I[M™52
‰[Ë P. h…º …Õžl RåRK \ C2
DO/'‘'7
LWsD (ãÊD ÃËD) [ CBF2
¥IN<n0I
â[ ÃËD [ CBF3
¥J"HmNC
”L “ÿ R¦Ä \ CBF9
FPB>”IR
y¼N “ÿ R¦Ä \ CBG2
FQ7L—*B
jL…T R¦Ä \ CBH2
HY7?–MS
 žE ¤¼K R¦Ä  CBH4
I[?SšNT
Üï¡WK ¤¼K R¦Ä [ CBH5
¤HHQnJH
Åœ”¾ FM R¦Ä Í CBH7
ER+G-4
v„ FM R¦Ä Í Cv2
GUGP“V6
E´O îœé R¦Ä \ CBJ4
GQ,<—Y5
Æ‡›L “ÿ R¦Ä \ CBK6
GR<P— K
§€ 422 (l®KA Å¸ÂY) R¦Ä \ CBK7
IXPX›,6
ìù[ ÃËD \ Cø3
HXO˜LY
•Ø ¹T ÀžˆS R¦Ä \ Cø6
EPCD’#H
ã“ R¦Ä [ Cø8
¥KPmC"
ËK_ ¤¼K GU‡T •xH R¦Ä \ Cø9
GQ<D™N4
ø–ñe~ / ”ÄYN [ CBM2
¦J#AlJ*
BÌ„ §›S ÿRR ÃËD AcODƒ… [ CBM3
£L20qHG
§DÂY R¦Ä \ CBM6
EOB”M6
AkÄ[ £ÄH [ CBN7
¥J9@m%?
TÞY ÿH R¦Ä \ CBN9
HVT4šWT
‘Ä “ˆ€Y R¦Ä \ CBQ2
FO(!˜?0
ÿ…« ¤¼K R¦Ä \ CBQ7
HVX:œJ:
WsD‚~ R¦Ä \ CBQ8
HU"ž+Y
K®Ÿ R¦Ä \ CBR2
EOT+’V$
BžGhN ÃËD r CBR3
>OC „L*
C‰[/øEIøc •xH AcODƒ… \ CBR4
GQ.—G'
`´Š 9 •xH R¦Ä Í CBR9
EQ6K@O
øUE rY R¦Ä r CBS2
>O/D…)
Ô€ ¤¼K R¦Ä \ CBS4
HYL8¦AL
Bžc¤‡T Î{H R¦Ä r CBS7
@P!Y‡/Y
lÖI îœé aG‹}L R¦Ä \ CBS8
GO11šUR
TŽTZI “ÿ (åN PÅœIPS) R¦Ä \ CBT3
GRX*›I
†ÚiAêN / gK{ ±œA³ R¦Ä \ CÜ2
IWPSŸY 
K—I”T R¦Ä \ CBW2
HT("ž@I
‘Ä yA¡… R¦Ä \ CBW3
HV=/š:+
áB Æ_N “ÿ R¦Ä \ CBW4
IVX -
LWsD (Wž¸T ÃËD) AcODƒ… [ CBW6
¥IMDn6'
ãLD’N ²d AcODƒ… [ CBW8
¥J.Am4;
©ˆdi (Œ¿G) R¦Ä  CBX5
I[W7ž*)
©m€R žD³ R¦Ä \ CBX7
GU<–V$
F•ŽR “ÿ R¦Ä \ CBZ9
HTRšL/
ŒøE jÁ RåRK ¨ CŒ3
¬L8G\AD
dii/C“YeN R 3 R¦Ä r CŒ5
>QO:„4A
’œçõ ¡Rá· R¦Ä NL CŒ6
­R@!UM$
ŽÍ¼ §› R¦Ä r CCB2
?UG2…BE
’c“™ R¦Ä NL CCC2
¬M&+U1K
‚Oñ ¤¼K AcODƒ… m CCC3
9PU~IX
ÀžˆÛ€ R¦Ä NL CCD2
¬O:LV(F
WsDdO~ R¦Ä ó CCD3
«L'%a>H
¦d±œE R¦Ä NL CCD4
¯TTDYM$
J¿I¨R R¦Ä ó C„3
«L?La($
ø–K ~€ R¦Ä NL C„4
®S:)UM-
¦ÄcS “ÿ R¦Ä ¾ CCF4
«JHB]/Y
†Õ[/ÕžN±œE (ÒRžE ÃËD) AcODƒ… Í CCF6
ESO)KE
lÙA/‚ÂN FM  Iîf AcODƒ… r CCF7
=O5KƒO<
S‚ßSÃËD RåRK ó CCF9
«KWCa#I
²Y”N RåRK ó CCG3
«L -`Q>
ÕxeN / ˜E²N R¦Ä ó CCG4
«L',^L%
ŒYUw R¦Ä (BÌ„ ÃËD) [ CCG5
¥HW"mO<
´ŸßâÑN R¦Ä NL C´4
­RKWV$K
‚Ä‡ g“™ p`ŽN RÃËD) R¦Ä \ CÐ9
GP+šY 
ád[ BƒOK R¦Ä ó CCJ3
«M8UaC;
y`D FlLS R¦Ä ó C~3
«M"?aG%
d. €’S (‘X ¡Rá·) R¦Ä NL C~4
­R44UF8
Ñi Î¿D (‚OK ÃËD) [ C~5
¤JD#nJ;
Œ™€ “ÿ RåRK r CCL2
@SL$‡0;
´žd_A “ÿ R¦Ä Í CCL3
DUCHŒK"
„¬ÙH R¦Ä [ CCL7
¤HG9n<
O{ŸOK uO{H) R¦Ä r CCL9
AQ83‰%
ŽVOûE R¦Ä ó CCM3
«M)7`';
¦Ä AU ´OIX R¦Ä NL CCM4
­PG7W1M
y`D ”}N R¦Ä ó CCN2
«JHN`MM
‚ü ÃËD [ CCN4
¥JWn;&
EXzO—S îœé áTWsD R¦Ä NL CCP2
¬O!4U8R
´{E-Þ_T-PÅ‰P¨ R¦Ä o CCP3
¨LEEi,C
¦Ä ¹¨ ­ÈÎN R¦Ä NL CCP4
­R=GV/(
ŒÉAæSŒU R¦Ä o CCP6
­TP.cS@
‚h«A Î{H R¦Ä Í CCP7
GUI)” 3
hÄ R¦Ä ¾ CCQ3
«K7%]9D
»Ši„±œE R¦Ä ó C¤3
«L7@aCG
¤¼Õa AcODƒ… [ C¤9
¥J2Mn&
Þ_T dEPjN R¦Ä ó CCS3
«K*9a- 
´IP”N R¦Ä ó CCS4
«L&U_T-
¡kŸ~ R¦Ä ó CCS5
«KY)_0%
S§T ÃËD \ CCS6
GOF›#R
‚OñeWN R¦Ä [ Cµ2
¥J,1mD/
ÇM ÆEC AcODƒ… o CÒ2
©L(8g.J
œ g“™ R¦Ä NL CCV4
«MD$RXP
ÂfR±œE / K_GS ‚¿à ÔÉÐåL R¦Ä ¾ CCW3
«K!%^E$
d`€Y R¦Ä ¾ CCW4
«K$ ]U,
Bƒ~ÂY R¦Ä ó CCX3
«K@a$
½«EX R¦Ä ó C]3
«KG6_>6
¶d ìa E‚ RåRK ¾ C]4
«K%!]H(
žì€T R¦Ä NL CCZ2
®T(MX99
C“aN±œE R¦Ä NL CCZ3
¬N.;SU8
”þ¼ R¦Ä ¾ CCZ4
¬L27ZXP
^ŠÜÖ R¦Ä ¾ CCZ5
«K?F\AJ
¦ÿÕU´E R¦Ä ó CÛ4
¬MHY^RW
d. `DaWS ‚DƒY îœé R¦Ä NL CÛ5
¬ML<Y0K
Bžd| R¦Ä ó CÛ6
«L9@a?S
»Y_G L •xH R¦Ä \ CDC3
GUO(–9C
Þ_T-ÆiN R¦Ä ó CDC4
«M=.a7.
ÚUwœ ŒÈœ ÃËD \ CDC5
GRE—*E
dE-AG›S-h-Ó™¼ R¦Ä o CDD3
¨K Rh26
f‡ÂfR (h ÃËD) AcODƒ… [ CDF2
¤IYDo/D
iûE¡Ä (Ûk'S ÃËD) [ CDF3
¦MNAmNF
ËŠA R¦Ä [ CDF5
¥ICUn32
Û”SÒS ÃËD [ CDF6
¤ISOn='
Óˆ`£N AcODƒ… [ CDG3
¤IP(oB6
ÃN“Y R åRK ¾ CDH3
«IW?_YT
hLÅ R¦Ä [ CDH6
¤HS#n64
C€ÂfR R¦Ä ó CDJ4
«LHN`OH
d•^Õa (D.J. ÔR•Y) R¦Ä Í CDJ5
DQ%Y?B
A±K R¦Ä  CDK2
D^<GŒ/2
ÚžS “ÿ NU CDL7
@b%=ˆA%
„aÛ€ R¦Ä ¾ CDL8
«K6@\C$
MKOVrI RåRK [ CDM3
¦J@*lT$
Odcwù'S R¦Ä Í CÚ2
DQ/HŽBC
hüg G P¿´‡ ÃËD m CDP3
8U/:}N-
áUµOU´E R¦Ä ó CDT5
«L<@^GD
Óß[ R¦Ä [ CDT7
¤HE?o<K
he· “ÿ R¦Ä [ CDT9
¦P DmJL
Ó¾‘ù R¦Ä [ CÓ5
¦J9/lCP
ÚíeWN R¦Ä ó CÓ6
«L?'`#D
ÚW¾ GÇ´ R¦Ä ó CDV2
«MK+a7@
¤ÑN JE²L R¦Ä ¾ CDW2
¬L'TZM 
‘ì R¦Ä NL CDY3
¬OE9T,-
ÛYÀžˆ RåRK ¾ CDY6
«J4U^96
|DS-DSÜ× R¦Ä Í „A3
DQHI$7
¡ùgà R¦Ä Í „A5
CRDO5 
Œùd[ R¦Ä Í „A6
DO'O,=
ƒ~Y‘ù/¶RLY vù R R¦Ä Í „B4
DQ(F.K
FR±EW R¦Ä Í „B5
GV"S”8$
‡ŽX/vœ_G ºªIP [ „B8
£H)*pLV
‘X “ÿ R¦Ä Í „C3
FX:7>X
J®¨R-Å[ R¦Ä Í „C4
FS1'“K)
OYi ÔÉÐåL R¦Ä Í „D3
CQ2!Œ;:
‘X ¤¼K R¦Ä Í „D4
FT4N’KX
¯R R¦Ä Í „D5
COOBŽ)$
Å¸WsD R¦Ä Í „D6
DPN%S2
ËÚ•Ú AcODƒ… [ „D8
ŸN@.vNY
Å[ / iª`„ R¦Ä Í „E4
FS4S“H"
ÂãSŒ R¦Ä Í „E5
EUWGO%
†Õ[ / T’N g“™ RåRK Í „E6
DS:.'2
±K_G R¦Ä Í „E8
DS$>QT
LWsD (Ë€N ÃËD) [ „F2
¥IP,n4(
áW g“™ R¦Ä Í „F3
COS1Y
ùžE AcODƒ… Í „F4
DQ-PV 
“‚mE R¦Ä Í „G3
DR;0HI
DÌMjœc ÔÉÐåL R¦Ä Í „G4
DQ;MŽJV
´I¨WY` “ÿ R¦Ä Í „G5
EVW#;T
£ÄH Žl žkR R¦Ä m „G8
<XX(X<
Ò ÉM R¦Ä Í „H2
DPI4(Q
¦£KA _Ódžl (“BžE ÃËD) R¦Ä Í „H3
DRE$B4
h ’[ Î{H ŒLw× R¦Ä Í „H4
DPO1O8
aD ¶ÄH ¤¼K R¦Ä Í „H5
FV>L‘.?
 OVOd R¦Ä Í „H6
CR2/Œ.J
dâšc R¦Ä Í „J3
DR0BŽK,
C“aï|M _Ódžl R¦Ä Í „J4
DP/CN
ËK ¦_T R¦Ä Í „J6
CSSAŒL1
B•EÜÖ R¦Ä YT „K2
I[;"¥L@
K¬“M-ŽD³’~ R¦Ä Í „K6
DRMJKC
¶d ‰[ (ÿRR ÃËD) [ „L3
¤JEFnVD
¡üA R¦Ä Í „L4
CQCVT/
îœé±EW R¦Ä Í „L5
FUY“/F
TWO ÅœS R¦Ä Í „L6
DSHAM/
ËE[ŠE AcODƒ… o „L8
©RI&j"M
°bI R¦Ä  „M3
H]%T“,L
vG ™ R¦Ä Í „M4
DR"IC
SÂN ÅœS R¦Ä Í „M5
ETF-‘6T
ã«`O R¦Ä Í „N2
DPN-Ž9Q
^aE ÅœS R¦Ä Í „N3
DQGN*>
Å¸ žkR R¦Ä Í „N4
DP>!PB
‚LD “ÿ aG‹}L R¦Ä Í „N5
CT:EŒ.&
îUX¡œ R¦Ä Í „N6
CP Ž"Y
ãRRjÁ R¦Ä Í „P3
ET#O82
ƒ« _fÖb‹}L R¦Ä Í „P4
CNYUX=
J`±c R¦Ä Í „P5
DUTŒIY
ÂÖc R¦Ä Í „P6
CO/BŽ)2
ŒMƒŽ R¦Ä Í „Q3
DS 7ŽNX
hL áÉ¯ / °âd[E _fÖb‹}L R¦Ä Í „Q4
CNYUŽL@
ŒdŠ R¦Ä Í „R2
DR+-UC
D•YeN îœé _Ódžl R¦Ä Í „R3
ES-WWB
‘Ä ˜ÔR•Y / §LDaD “ÿ R¦Ä Í „R4
DW!2@8
d-‡ — AcODƒ… o „S2
©KTRgF3
²dŸ~ R¦Ä Í „S4
ET&<J8
„•‰A (‡Ž× ÃËD) R¦Ä [ „S5
¤I/Do:!
‚NK‰N (€g…R) R¦Ä Í „T2
DUGI.J
‘Ä ­ÈÎN g“™ R¦Ä  „T4
I[R —4%
J¶N ”žE žkR R¦Ä  „T9
H[=3–C=
AkRŸD³ R¦Ä Í „U2
GU)!•8S
†• R¦Ä Í „V2
EWQ-
kyE±œE R¦Ä Í „V3
DS<RŽC
”Yc^Š¨ R¦Ä Í „V5
ESV-‘(J
eÃËD R¦Ä Í „V7
DS4/ŽGN
S}a žkR R¦Ä  „V9
G]8’(<
‚m_E WŠLD ÃËD r „W2
@Rˆ$Y
d. åÇ R¦Ä Í „W3
DSYC4G
§LK žkR R¦Ä Í „W5
CO&Ž!
²¯rI’N aG‹}L R¦Ä Í „X3
DRWT6F
ŒR”~S R¦Ä YT „X4
I\$D¦(N
B• (X[ FM) R¦Ä Í „X9
DP7(>:
‘Ä ”C€OD R¦Ä Í „Y3
DOH7
´AP”N “ÿ R¦Ä YT „Z2
I^T+¨.D
†Õ[ / ‚OK_G “ÿ R¦Ä Í „Z3
DS7E$X
‘Ä kR§‰[ R¦Ä Í „Z4
FX6-‘W"
ŒR¤O« R¦Ä YT CFA4
IZ(8¤GR
y`h R¦Ä Í CFA5
DV0Ž+Y
¯L^E¬EI }RƒWS R¦Ä  CFA7
E\AS>A
jÀcO R¦Ä Í CFB3
ER09P
ªO{ “ÿ R¦Ä Í CFB4
FV;V>R
}ÔR “ÿ R¦Ä Í CFB5
EW5ŽN
†Õ[ / êŽPHÜþ R¦Ä Í CFB6
DSIG#*
d¼N žkR R¦Ä Í CFB7
GYD“(
”C§œ` å« R¦Ä YT CFC4
J](R *%
ƒ~Y‘ù R¦Ä Í CFC6
DQ.%
žmé R¦Ä Í CFC7
ERFT,)
‘aÕd R¦Ä Í CFD4
CO:Y;D
yIõ¡W R¦Ä Í CFD5
GV)L“C=
´žd_A ã­N R¦Ä Í Cä2
DUA6O5
J¶N “ÿ R¦Ä Í Cä3
EW;RY
y¶T  “ÿ R¦Ä  Cä4
I`H)•I
”aK Fõ R¦Ä Í Cä9
DSSŽLG
‚¾ŠT R¦Ä Í CFG3
CR8ŒJV
háLT R¦Ä Í CFG4
GU,%” 6
êë D'Š  žE R¦Ä Í CFG5
FX;;‘&/
‘Ä ”~AY / ÃaãG Í CFG6
DW.?ŒXB
‘X ¡Rá· R¦Ä ¾ CFH4
«KR*]9F
ÂRÜþ / ZAJ‡ R¦Ä Í CFH8
ES+"2*
ãïAW R¦Ä Í CFK2
DR?:ŽWQ
Œœ_G “ÿ R¦Ä Í CFK4
EU1-
|DS (›eOK) R¦Ä Í CFK6
DQQ"
EÈa« ˜›¬L ÀEµ• icGY R¦Ä Í C»2
BPFUŒ A
»‡jÄ[ u§^Šº ÃËD) [ C»4
¥J-Tn=E
êëÎN “ÿ R¦Ä Í C»9
DW@Œ1
vR´ Õ¿¯_ R¦Ä Í CFM2
DWHOY
ÚüËLY R¦Ä Í CFM4
FUH@“#D
fE¨E R¦Ä Í CFM6
EV9@%&
áY€ R¦Ä Í CFM7
DT@9ŽO,
‘Ä ”C€OD (l‚~ FM) R¦Ä Í CFM8
DOA0
“ ¤âE R¦Ä Í CFN5
GX(4’2/
½™a R¦Ä Í CFN7
EQL9FC
˜Æ‡fN R¦Ä YT CFP4
I]B5§@"
ûiÚN R¦Ä Í CFP5
CT.-"
“ v´E žkR R¦Ä YT CFP6
IZ%Kš V
CFB Â_Wž¸T ÃËD 21 R¦Ä Í CFP7
CROP$"
°—E¹ºE / ‚¥_S R¦Ä YT CFP8
IZNH¥(V
§LK žkR (”D³) R¦Ä Í CFQ3
CO&GŽ# 
´¶D€ R¦Ä Í CFQ4
DQ!9C8
­LkR Ðà R¦Ä YT CFQ5
H[O¨60
¨œY ¤O«_G R¦Ä YT CFQ6
I\P-¦=G
†Õ[ / wÄ›R R¦Ä Í CFQ7
DS.Q93
ãWLF (ø–K²œS) R¦Ä Í CFR2
DRTŽ?
lãN R¦Ä [ CFR5
¥L#:nB<
aD hc ‘ad× R¦Ä Í CFR7
EQE#‘,2
‘Ä ŽLKÊK R¦Ä YT CFS3
I\L$§5#
OG¬±E žkR R¦Ä YT CFS4
I_F<¨$R
ÀÊ— žkR ÔÉÐåL R¦Ä Í CFS5
GUM ”P9
Ÿ[ žkR R¦Ä Í CFS6
FW&=‘"<
T’N ¤¼ñ R¦Ä YT CFS7
I\C(¡.J
C€ÂfR žkR R¦Ä Í CFS8
EQY/‘+G
’LhR”N FM R¦Ä Í CFT2
DP?'@Y
ÃN“YÎN “ÿ R¦Ä YT CFT3
I[G; L8
HY“™ R¦Ä YT CFT5
I[=8ž.&
¨‰ŒN R¦Ä Í CFT8
EV'E:8
´IP”N R¦Ä Í CFU3
DSI&ŽD'
wùi žkR R¦Ä Í CFU4
FXHPR@
Ê” R¦Ä Í CFU8
CRTJ(8
gEÿR R¦Ä Í CFV2
DQ5B:1
ÕvL vd´O R¦Ä Í CFV3
HY:;•4
”þâ “ÿ R¦Ä Í CFV6
FXVK‘-6
ìù[ “ÿ R¦Ä Í CFW2
DVCŒ<
ÔrEG e²R R¦Ä Í CFW4
DW&-ŒSA
¯LTÎN žkR R¦Ä  CFW5
EZ5E2Q
ŒLw× / OKOeñ R åRK Í CFX2
DPJ%V$
ÚIG R¦Ä Í CFX3
GVW5•<T
”ü_G ÔÉÐåL R¦Ä Í CFX4
GVW!“DD
C“axE `D ÍË SÂœÑ R¦Ä o CFX5
«RINf+.
VÇŒN R¦Ä Í CFX6
DP6./%
´‡fR…a (KÊKÏ ÃËD) R¦Ä Í CFX8
DQ =K.
ygT “ÿ R¦Ä Í CFY2
CU6Œ:Y
’cS a åRK R¦Ä Í CFY4
DPT/ML
æ› “ÿ YT CFY5
IZ$) V 
©Öc îœé ãR N •xH R¦Ä Í CFY6
DPE.2D
S´€NÿR R¦Ä Í CFZ3
COX0ŒI:
½™a / ìOD’¾ FM R¦Ä Í CFZ5
EQJ5EK
vïËL'S R¦Ä Í CGB2
DQ@X!%
†Õ[ / €´ËT ÃËD Í CGF2
DS@AŽXU
ìODWsD ÃËD Í CGF5
ES2I'3
G¬‘ù [ CGF6
¥J+(m><
yiýL ÃËD [ CGF7
¥J3+mM9
wH´O KUE  CGK2
C]8%‹&G
¡RƒW R¦Ä [ Cû2
£H!@pP9
¶û‡¡M uO{H) R¦Ä Í Cû4
GUF.“V(
G¿N“UGÎN R¦Ä Í CGN3
COD*ŽG<
³Š³ “ÿ AcODƒ… NU Cy3
B_UG‰9J
yA¡M ÃËD ó Cy7
«L5<aI=
ìOŽ “ÿ AcODƒ… NU CGS2
A_?(ˆ8
y`D îœé / L{jR ÃËD [ CGV2
¥IX?n5.
y`D îœé £ÄH RÃËD [ CGV3
¥IWQn34
y`D îœé (ø–K ÃËD) [ CGV5
¥IQBn/1
y`D îœé/”Ä_ ÃËD [ CGV6
¥IR;n.V
Àžˆî€ AcODƒ… [ CGV7
¥HX)n'@
¡Y‡ ŒÈ AcODƒ… NU ´C5
£`E2y>H
¡×Û€ Fõ R¦Ä [ ´D4
¤I$<o'
OßAÂ / ”£~ pO¨ ÃËD) [ ´F2
§K)8iH=
ëbKO Fõ R¦Ä Í ´F3
ET)Y%7
¡RÿS ÃËD [ ´F5
¤IQ9o&A
¡Rá· y–E R¦Ä NL ´G2
«MG'S-'
Åœb[/K_GS AcODƒ… ¾ ´L2
«K&E^74
ÀÊ—WsD / H & M F®T Fõ r ´M2
AS.<‰@+
~ FM R¦Ä Í ´S3
DO2*@6
ŽLKÊK R¦Ä [ CJA2
¥HN6mXB
Õùi aG‹}L R¦Ä m CJA3
:O*=€!O
›dŠ FlLS R¦Ä [ CJA5
›O&7{U
‚“ R¦Ä r CJA7
>OCB„;'
FžiDïIP ÃËD m CJB2
:O;;€#
dE_ã´ R¦Ä m CJB3
9O>X~FL
ÕOÎ§N R¦Ä r CJB5
=P(%ƒDD
ìDS “ÿ R¦Ä m CJB6
œTLP{I$
KY€ R¦Ä r CJB8
APPŠ")
¤K R¦Ä r CJC2
@Q!4‡P/
Û±DÎN ÔÉÐåL R¦Ä r CJC3
@Q,R‡XC
„•L ÜßE R¦Ä r CJC4
@PMYˆ;K
ïA¿AV[ R¦Ä r CJC5
AOE>Š64
¡äŠD R¦Ä r CJC6
ARIW‰4<
“·è žkR R¦Ä m CJC8
=V,Uƒ0,
ÒDWŠ^ ÔÉÐåL R¦Ä r CJD2
@R;‡I
vR´ ÅœS R¦Ä r CJD3
@RY9‡8H
€Ác R¦Ä r CJD5
BPRF‹<%
Úa “ÿ R¦Ä r CJE2
ATC‰4Y
²YÜÖ R¦Ä r CJE3
?OGQ…N"
S£W “ÿ R¦Ä m CJE4
<TSPO&
û®LYN R¦Ä r CJE5
BS4DŠ2=
®jÖ R¦Ä m CJE7
;Q'=€1U
¬E-A-“-¤O«E R¦Ä r CJF3
BU;5‰UN
JAÆ‡ Fõ R¦Ä Í CJF4
CPQDŒE$
vGwR R¦Ä r CJF8
AR!"‰Y/
¶eÉA (Ë±E S§^) ÔÉÐåL R¦Ä r CJG2
BQ+(‹5@
G¬Ä z¾ R¦Ä m CJH2
<Q&‚<
”Ùd[E R¦Ä r CJH3
BS#S‹1J
ýR“™ R¦Ä r CJH4
AO8HˆUU
€®K R¦Ä r CJH8
ASˆK
ûiáƒ R¦Ä m CJJ2
;O?2
’LDWsD / Ÿ´E §d Fõ ºªIP Í CJJ3
ES>N‘-D
hŸ•_E R¦Ä m CJJ4
<O' ‚<"
ŒBž R¦Ä r CJJ5
BPC(Š:+
”~‰N R¦Ä r CJJ8
CR2C‹U+
G¿gAO “ÿ R¦Ä m CJK2
9S=*~4.
AUîL R¦Ä r CJK3
BU$C‰HX
‡fR¡ZY R¦Ä r CJK4
=PD@„$
GÇL “ÿ R¦Ä r CJK5
AP!:Š;6
 ¼„±œE R¦Ä r CJK9
>QW„E
¡T´â “ÿ R¦Ä r CJL2
?XEK…>/
“ Ÿ´E R¦Ä r CJL4
CV:6‹6,
’üI¨G / LYxad R¦Ä m CJL5
:OQ'~X7
le} ÔÉÐåL R¦Ä m CJL6
:O#A=K
K®ã “ÿ R¦Ä  CJL8
>Z/=„<%
•«[ R¦Ä r CJL9
AR9M‰4C
—¿A R¦Ä r CJM2
>Q&L…7@
yAkLá·G R¦Ä r CJM4
@OQXˆ@.
FƒèR R¦Ä r CJM5
AO(3Š@;
áRÃËD R¦Ä r CJM6
?S$:…E"
KÝÞ~ R¦Ä r CJN2
=Q?AƒRJ
®­Éáç R¦Ä r CJN4
@OJ#‡VO
‚R”N R åRK r CJN5
AR ˆ9L
‰ß€ ´·´¬L žkR / ÓNŸP'S »Y-_ ŸD³ R¦Ä m CJN7
8V@N~,Q
ÿRƒÄ R¦Ä r CJP2
BQUC‹%J
ŒõËL ¦ÄA³ R¦Ä r CJP6
CYBB‹.
vù žkR (“C Ó áüâ) R¦Ä m CJP7
8P5N}J$
´ŸT žkR R¦Ä r CJP9
CYB$‹&+
“È”N R¦Ä r CJQ2
>O4„L
ŒRLY€ R¦Ä r CJQ3
>ODF„/+
”zE ¤¼K R¦Ä r CJQ4
BOSK‹:<
¯NÆY ÃŠD R¦Ä NU CJQ6
Åo6@jR"
”×ÃËD AcODƒ… r CJQ8
=OPMƒ<Q
vG Þ™ “ÿ R¦Ä m CJQ9
<WC(R=
L¥Ë`D R¦Ä r CJR2
BR"(‹4<
^E åS / y–E “ÿ R¦Ä m CJR3
=SOAƒ*0
‡eN R¦Ä r CJR4
BQ&EŠKM
ûÁd[E R¦Ä m CJR5
;P'O€V?
Œ£• R¦Ä r CJR7
>QCJ„8W
˜¤¶× R¦Ä m CJR8
<PKS;N
}¢Ý R¦Ä r CJR9
?R6G†; 
”L‚LM g“™ R¦Ä r CJS2
>VVX„,2
CLUä “ÿ R¦Ä r CJS3
CX5:‹<X
ÕOŽ JAW ÔÉÐåL R¦Ä r CJS4
@P8#‡5.
K¬“Öé ÔÉÐåL R¦Ä m CJS5
<O'$G7
ŒR”N uO{H) R¦Ä m CJS7
:O:O€T
”^‡[ g“™ R¦Ä m CJT2
9QIV~V"
K›E “ÿ R¦Ä m CJT3
›TTU|MS
Òmc“™ ¹¥E R¦Ä r CJT4
>SW4„/S
…‰¯ R¦Ä m CJT5
=O-HƒP
¹…WsD R¦Ä m CJT8
:O<?Q 
€O±œE R¦Ä r CJT9
ASC,‰B>
”CÚ}LD R¦Ä m CJU3
;P#M€<!
HØáLDT R¦Ä r CJU4
@R(@‡%C
§ü†OÞ R¦Ä m CJU5
<P.1KM
áþ R¦Ä m CJU6
:PTL0.
†Ý R¦Ä r CJU7
BS)$ŠM2
›¬Üþ R¦Ä r CJV2
CROS‹D6
Oßc “ÿ R¦Ä r CJV4
@U@R†M$
›EåÂ R¦Ä m CJV5
<P+X<D
½M…R AkR R¦Ä [ CJV7
 RH=v>=
y`D •æDS R¦Ä m CJV8
;S(315
…L±œE ÔÉÐåL R¦Ä r CJV9
>PV;„J/
OXáW R¦Ä r CJW2
=O,„'
Ÿ[ “ÿ R¦Ä r CJW3
BT$‹&$
¨‰ŒN }RƒWS R¦Ä r CJW4
>U/+„K
Ì«ËL R¦Ä m CJW5
=PKWƒ/H
ÐwR “ÿ R¦Ä r CJW7
@X!)†; 
ƒŽeWN R¦Ä r CJX4
AQ?R‰U
Î·g ûiWsD _Ódžl R åRK m CJX5
<OD‚*
SÛ€ R¦Ä r CJY3
?RP*†"
Þ™Y ãY R¦Ä r CJY4
>U>J„.1
d•^C“Ê R¦Ä m CJY5
<P5L‚7<
¦ÄA³ “  žE (£ÄH) R¦Ä m CJZ2
;OY?€0)
…L‘Ä R¦Ä r CJZ3
?RR†H
ïËLBƒOK R¦Ä r CJZ4
AS+Hˆ3M
Z¹Û R¦Ä m ~A4
9O.Q~<"
d. F•xOg XA±c R¦Ä m ~A8
:OU:>V
Î{j™ R¦Ä / ¡¾ Çž~ŽN ÃËD r ~A9
?V2,…/A
å©`í R¦Ä r ~B2
BUT‰I.
Â¨ÿKA R¦Ä [ ~B6
 SPWw@L
ƒø_ R¦Ä m ~B7
=Q,"ƒ5A
­LkR FlLS R¦Ä m ~B8
9P<~#S
“ÉwN R¦Ä r ~C6
@QPI†Y=
ƒ~ûi R¦Ä r ~C7
@O(‡UY
Î…ºâ R¦Ä m ~C8
;O6€G?
åˆ”N R¦Ä r ~C9
?ODM†EX
¦RÒæ› zN R¦Ä r ~D2
>RC)…,S
KIz_G R¦Ä r ~D5
>P#W„B7
ƒ“™ (yA¡M ÃËD) R¦Ä m ~D7
:O6<Y8
KÊKÃËD / ãLÞM “ÿ RÃËD [ ~D8
¦J>6lS3
S“f FlLS R¦Ä [ ~D9
Q%NyEV
Æ¬L “ÿ R¦Ä r ~E2
?R"†.
¿—Y R¦Ä r ~E8
BR8K‹)$
•D±œE R¦Ä r ~F2
?O9D†.1
ìODÎ¬ R¦Ä r ~F4
CT7‹+Y
”CyEìR R¦Ä m ~F6
;OX€K
‚OñeWN / KÊÏ ÃËD AcODƒ… [ ~F8
¥J%XmI8
h €«EPS “ÿ R¦Ä [ ~F9
žPI!xG
žkÄ[ R¦Ä m ~G2
:PX0~YV
”ÉeU R¦Ä m ~G5
;O-€>
KíÍEKA FlLS R¦Ä [ ~G8
žN7$wB%
ƒŒN±œE R¦Ä r ~H2
=P9Sƒ?,
hBhN R¦Ä r ~H3
AS=UˆS 
ÀÊ—WsD R¦Ä r ~H7
AS3N‰>S
LØShN (‚L¹¿) R¦Ä r ~H8
?PF!†M2
ƒŽ£Ä R¦Ä m ~J2
:O9)73
¡N€Y R¦Ä r ~J4
@QC9ˆ8=
dÜ~ R¦Ä m ~J7
:OH4FG
ÕLÎN “ÿ R¦Ä m ~J8
9T-;F
€mcG R¦Ä r ~J9
>PH>…)O
d. BžEUX R¦Ä r ~K2
@RE†R
S‚Y áùc db‹N R¦Ä r ~K3
@O‡5X
‡fîN uO{H) R¦Ä r ~K4
>O 2„X@
dE_ã´ uO{H) R¦Ä m ~K7
9O;D~GV
ŽLKÊK R¦Ä m ~L2
9P(2~R+
W¿NØ_ “ÿ R¦Ä [ ~L3
 RSDw/3
ïOl “ÿ R¦Ä m ~L5
<P97‚B?
‰ß€  “ÿ R¦Ä r ~L6
@T/=†F.
aG_A –H R¦Ä r ~L9
?PK(†XJ
­OUX }RƒWS R¦Ä [ ~M2
›O56{YI
J` “ÿ R¦Ä r ~M4
>TOQ„M2
¶dc±œE R¦Ä m ~M6
<S%N
Oåæ§r` “ÿ R¦Ä [ ~M8
ŸRB6x4C
ÃœÕa R¦Ä r ~N5
>OR&…8H
›K²Aw ãY R¦Ä r ~N8
?WJ?…VH
Àžˆ îœé (£ÄH) R¦Ä r ~P2
@P!7‡6)
SÆAW •æDS R¦Ä r ~Q2
?SFI…3
£ÄH ÀÊ— “ÿ R¦Ä [ ~Q3
œR;6zX.
LU~Y “ÿ R¦Ä r ~Q5
APYE‰%M
c¢ñ[ ÔÉÐåL R¦Ä m ~Q6
<P;XSR
kR§‰[ ãY R¦Ä [ ~Q7
›ORM{8)
˜^· žkR R¦Ä r ~Q8
@WL!‡8
æ› Ú~ R¦Ä m ~Q9
9QC*~NE
L¿ÛR R¦Ä m ~R4
:PH*€!6
±ùi (wBžË€ FM) R¦Ä m ~R7
=OM#‚W4
ÒDWŠ^ R¦Ä r ~S3
@R;/‡KP
B×`T R¦Ä r ~S6
>O6B…&D
Âh} R¦Ä r ~S7
?QUL…P 
¤¼ “ÿ (¤Ydl ŸD³) R¦Ä r ~S8
AW9QˆJS
ïEPjù'S “™_G R¦Ä [ ~S9
¤J$YoGI
¡Ä›Y R¦Ä m ~T5
<O9‚?
ÂKAW R¦Ä r ~T7
@RDW‡KM
ªEjÖE R¦Ä m ~U2
;OCR€EY
ÒT KÉý R¦Ä r ~U4
BRJ6‹R
IÈcçL R¦Ä r ~U5
@Q3‡6
yiýœ R¦Ä r ~U6
>P7'„V$
ÂªO¥ R¦Ä r ~U7
@QG,‡3J
ÿL±ˆeN R¦Ä r ~V2
?R&…>$
£ÄH OF ­Xà R¦Ä  ~V4
>Z0W…%S
´·´BžD³ R¦Ä r ~V6
=QƒO
ÂWO¯ R¦Ä r ~V7
=OSF„P
Û±N “ÿ R¦Ä r ~W6
?VS…@Y
Ãïc B•xH R¦Ä m ~X4
:Q"I:)
¾Õa R¦Ä r ~X5
AQ1P‰8/
vG žkR R¦Ä r ~X8
ASP(‰>
°—EWsD R¦Ä r ~Y2
>P2#„.:
KAY“ ÀžˆS R¦Ä Í ~Y8
EQ*+LA
ËK g“™ R¦Ä m ~Z3
›TF/|&I
ÿIZcS R åRK ¾ ~Z5
«J(3`'K
ŸUgE ÔÉÐåL R¦Ä m ~Z6
;O&P€RQ
’NK€R R¦Ä m ~Z7
:O(U+
L'®ÎÈ[ R¦Ä o C“2
©KO5g9D
¹œ`D “™_G RåRK [ C“4
¥J#4m;H
€^BžD³ / `hº[ ÃËD Í C“5
COE7ŽL4
“x®fR RåRK [ C“6
¨K*h3F
LUvTZ ÃËD [ CLB2
¤I03n>U
´A¨rè ÃËD R¦Ä [ CLC2
¤I"$o%@
Ÿ[ ¤¼K RÃËD r CLC4
?PPB†15
Ÿ²R ¶d PUBÉ‚ (“ ÃËD) R¦Ä ¾ C€4
«IC3_KC
‰E³ / CNRL R¦Ä Í CLG3
EW%)D
‘Ä ˜ÔR•Y / €³™ RÃËD Í CLG7
EW)OŽSJ
á\AY³[ / ´‡jR “ÿH·d R¦Ä [ CLH5
¦J=>l8T
€^BžD³ / J3 RÃËD Í CLJ3
COJ<ŽJ0
€Ý_GeN R¦Ä [ CLM2
£H<p=<
AkRŸD³ / C“}´` ÃËD Í CLN4
GU,"•P<
‘Ä ˜ÔR•Y / Î{H ‰E³ RÃËD Í CLS3
EVOV#V
S“Y›R (C€±EW ÃËD) AcODƒ… [ CLV2
¥J6/n&S
“·Ë / °—ˆeN AcODƒ… [ CLW3
¥IXLn(?
‚›dOì / “þO WsDS ÃËD [ CLW6
¤I@n:-
”ßAÂ R¦Ä [ C”2
¦L/YlJR
…ÁÑãNK R¦Ä NU Cm2
œ_;~"%
”X±œE (á·ÚN FM) R¦Ä [ Cm7
¨K-)hN7
O……E R¦Ä [ C…2
¦J/%lCE
ã“ (…Ú• “ÿ) [ C…3
¥K!QmFM
†Õ[ / ŒL”R (”zË`E FM) Í CMF2
ES)#J0
€^BžD³ (…R„R ÃËD) Í CMF3
CO?/Ž?H
¦Ä ¹¨ (§œÎN ÃËD) [ CMF4
¦IY3l7I
ÆÝ¢¡N “ÿ (•kN ÃËD) R¦Ä \ CML2
FNNI™E"
”Ä_'S “™_G [ CML5
žN/Cw>A
§O “™_G YT CML7
I\AC¦R/
Þ_T-”^èU-h-“ žE AcODƒ… o CML8
©K0Hg?Y
d-§´Ë-h-}æc±œE R¦Ä o Cô3
©K*Pg@@
§O YT Cô4
I\B/§+1
”ÉC-ÐNQ R¦Ä o Cô5
¬PE:bOR
†Õ[/ÕžN±œE (§ÿ'S ÃËD) AcODƒ… Í Cô6
ESP+?N
”¯ÂT´` AcODƒ… [ CMW3
§K'Ok#I
‚œ_S ÃËD [ CMW4
¦K<9kY8
^· (…TZ ÃËD) [ CMZ2
¥INFn8'
Å¸wf R¦Ä [ C}2
£H?)oN#
ãRžE EXEÒk R¦Ä [ C}3
¥J67mIT
EõÛ€ R¦Ä [ C}4
¦K>Lm2E
eMî€ R¦Ä [ C}9
§JUjV*
GUËPH R¦Ä [ Cx4
¥I?Pn)L
d`¹¨ ÔÉÐåL R¦Ä [ C™4
¦K$GlD6
r_ “ÿ R¦Ä [ C›3
žSWVyD
ÊOÆOg FlLS R¦Ä [ C›4
¥NJ<nMB
‡ŽX R¦Ä [ C›9
£H#KpRL
¨™€eN R¦Ä [ CNF3
¨K;(i#L
KAÂÄ¡ “ÿS ÔÉÐåL R¦Ä [ CNF4
¦J3SlM 
D’¸T R¦Ä [ CNF8
¦K0RlX3
ÉAw• Î{H R¦Ä [ CNF9
¥HYXm!O
}©®Åï R¦Ä NL CNH2
¯UTP[)"
‘Ä cè R¦Ä [ CNJ3
¥HU lW:
Š¬‰A-•” aG‹}L R¦Ä [ CNJ4
¥JFFm0C
åR× Î¿D ¶ ÔÉÐåL R¦Ä [ CNK4
¥K-9mOM
‘Ä ˜ÔR•Y / £ÄH ‰E³ RÃËD Í CNL2
EW&(/6
Bƒ~±œE - ^O¥`D g“™S aG‹}L ¯~Íc× R¦Ä [ CNL3
§JD4iK
¦Ä ËG_ R¦Ä [ CNL4
¤J6Ro7
LØShN R åRK [ CNL7
¥K6=n"G
WYEî€ (áÿR ÃËD) R¦Ä [ CNL8
¥JE1mRM
NUËN “ÿ R¦Ä m CNL9
<YH;‚%C
…Lá·› R¦Ä [ Cö2
¤HO9o>U
K_GÃïc “ÿ R¦Ä [ Cö5
ŸSKwQ1
ïËÜÖE / Ãïc ÃËD [ Cü3
¥JFn*3
w}£ÆE R¦Ä [ Cü8
§J6%j,E
N ‹R R¦Ä [ CNP3
§K6Oj3W
}ÈA / ¹~é Í CNP6
FUTT“&(
ÊOÆOg R¦Ä [ CNP7
¨JP>i0G
y¼ó`K-UXBžD³-¦Ä ¨R× RÃËD [ CNP8
¥J&mM
ÉAw• „•L Úƒ^Y ÌˆË_G R¦Ä [ CNQ3
¥HXKm1;
œÎó·G R¦Ä [ CNQ4
¤HUEnJO
_›RKIP R¦Ä [ CNR2
¤I+WnGG
eRÕ× R¦Ä [ CNR4
¤K+/oCE
ŒR€eN z–E R¦Ä [ CNR6
§K$,j%6
¾f_ R¦Ä [ CNR9
¥KU>mUF
lEX`DžA AcODƒ… [ C¾4
¨K1QhC?
Ë§• R¦Ä [ C6
¤IA#nB)
œE±œE AcODƒ… [ CNU4
¦J)>k0@
eƒO ”RK¡M R¦Ä [ CNU8
¥IV%m-O
¡WÿSÜ× R¦Ä [ CNV4
¨KChE
†iî€ AcODƒ… [ CNV8
¥J8:mWL
ÆEC / ›U±œE R¦Ä o CNV9
ªLI/eA&
ãxƒFT ‚MÔÉà R¦Ä [ Cn3
¦K"4kRP
ŒaY “ÿ R¦Ä [ CNX3
£OJEr  
ÉX[ R¦Ä [ CNX8
¤HPPn5I
‚œ_GWsD aG‹}L R¦Ä [ Cq3
¥J8Tn'>
l‰d[ R¦Ä [ Cq4
¥J)mP,
”ÛÂrA îœé RåRK [ CNZ4
§K</kDI
yIõÏ aG‹}L R¦Ä [ CNZ8
¥I'BmAW
Š`³±œE / BÌ™€ ÃËD [ ‚B4
¥IR:n(N
Š`³±œE / “·Ë ºªIP [ ‚L2
¥IUn*3
‚O¨R FlLS ºªIP [ ‚P5
¥JLGm,T
Š[O ÃËD [ ‚R3
¦IX4lA4
‹} db‹N (ávc džP) [ ‚S2
¤HFAo9"
­˜OE (hüg[ ÃËD) R¦Ä [ Cå4
¤HO(n-T
æŸT ÜßE R¦Ä r CPB5
?P9F†7R
å•Õ¿T vd´O R¦Ä Í CPB8
HYD/”1Y
ãLD’N R¦Ä [ CPB9
¥J. m28
¦Ä ŒR‰ˆ R¦Ä [ CPC2
¥K#AmAP
ÂLfR'S ÃËD [ CPC3
¥IP8n8@
f‡ÂfR (^OÈÎN ÃËD) R¦Ä [ CPC6
¤IVTo.1
âjL R¦Ä [ CPD2
¤IJHo(B
BÌ«ËS (õª[G ÃËD) R¦Ä [ CPD4
¤IJWo,,
ËK “ÿ R¦Ä [ C¨3
¥MIIn0W
ŒmžD³ / aÙ'S ÃËD [ C¨4
¥I8@n+W
¦Ä ‚LáÖE R¦Ä [ C¨5
¥HREm3(
½™žD³/Î{H žkR RåRK [ C¨6
¦KO2m17
ãR žkR R¦Ä [ CPF2
¢L7.r#M
åÄI ÃËD [ CPF3
§K7Hj"#
BÌ„ ˜P¡¬ …Õžl R¦Ä [ CPF4
§KAHjOX
d[é ¤¼K R¦Ä [ CPF6
¥I()mH@
Î{¡ÈeN R¦Ä [ CPF7
¤J;Do2%
Ë§• (¶d) R¦Ä [ CPG4
¤IA=n<J
¡WÿSÜ× (¶d) R¦Ä [ CPG5
¨K@Xh>V
JUc³¾i ÃËD [ CPG7
¤IJ$n8R
ƒLPH R¦Ä [ CPH2
§L%k>
‘ù’´ R¦Ä [ CPH9
¤IS/nYI
dÊ‰ˆ R¦Ä [ CPJ5
¦J,;k?H
d-æca-êLYS (ŒRL'S ÃËD) m CPJ6
:O8(~UC
d•^ƒY (øUE Y[hR) R¦Ä [ CPK2
¤HWWoA<
^· (¨râT ÃËD) [ CPK9
¤IL0n;
KS / žhAU îœé R åRK [ Cz3
¨K$)iCG
y`D ™ R¦Ä [ Cz4
¤I/+oHQ
åRK“™ R¦Ä Í Cz6
ES:9O9
¦·VOÊè §•³ AcODƒ… o CPM3
«SN'fP;
V|K R¦Ä [ CPM5
¥IYDmLH
B•D‘ù AcODƒ… [ CPM7
¥J&'mCI
‰dÑË R¦Ä [ CPN5
¤IJ@nY;
Ÿ™[ (æ[¼R RåRK) [ CPN8
¤I#Qo,!
¹r_ R¦Ä [ CPP3
¦J!MlS'
y`D žkR EXEÒk R¦Ä [ CPP6
¥I -mQ+
OßAÂ/EmÌN AcODƒ… [ C 2
¨K,5i0'
åL…ºeN R¦Ä [ C 3
¤IQ)nLS
WsDdO~ R¦Ä [ C 5
¤I$<nO1
’ˆ¡M / ž´D W. €îN R¦Ä [ C 7
¤IR!o/U
ýþ¥ (ƒY“™ ÃËD) [ C 9
¥IJ<n5(
ËMÅºT'S aÎÄ R¦Ä [ CPS2
¦J-&l$6
LUŒN R¦Ä [ CPS4
¤I'No6K
§§ÉrA R¦Ä [ CPS5
 QB.v@V
K¬“Öé R¦Ä [ CPT2
¤KXEo;G
ƒ~eN R¦Ä [ CPT3
¥I12n(A
æiDa R¦Ä o CPT9
ªLK<e$C
ƒD›Y (›W û®ìW) R¦Ä [ CPU3
¤H=UoB3
ài}w Õ¡WK R¦Ä [ CPU6
§J)#k$:
Š`³±œE / Œd€WsD ÃËD [ CPV2
¥IW=n'0
”¾ÃËD R¦Ä [ CPV4
¥J&DnO
ÿEÂY’N R¦Ä [ CPV8
œRY:zP)
¦kÄY îœé R¦Ä r CPV9
AP /‰-0
¹LYOíE RÃËD [ CPY9
¥IIIn.Y
ªieN/Õ¿¯_ ±EW R¦Ä [ CPZ3
¦J"(k2/
ƒœ¢K RåRK [ ¤A2
¥J&8m;#
‚ßÝ R¦Ä [ ¤B2
£H&6pE(
ž±cE áüD R¦Ä o ¤B4
«PH.e'K
ž±cE œ AcODƒ… o ¤B5
¬O"J\,+
ƒ« ¤¼K R¦Ä \ ¤C3
FPWV•+=
aD hc / ªU`T RÃËD Í ¤D5
DR/+TM
ªU`T Î{H R¦Ä Í ¤D6
DR.HTT
†ZO R¦Ä  ¤E2
G\L’# 
•™  Iîf RÃËD [ ¤E3
¤I!YnGU
†Õ[ / ±œiEUk (ƒŽ ÃËD) AcODƒ… Í ¤F3
ESDJN(
ŒLw× / OKOeñ (ƒW“™ ÃËD) Í ¤F4
DPKSW;
ÞrbsN/ž´fR ÃËD R¦Ä r ¤F5
AR.OˆG!
á{ÅœèR R¦Ä o ¤G3
©K:Fg0$
§œâ/¤¼K±EW R¦Ä Í ¤K2
DS"F<6
²d¦Ä / žhAU “ÿS R¦Ä [ ¤L2
§JFj5N
KÊÏ “ÿ R¦Ä Í ¤L4
CU32ŒD+
a_hc “ÿ / ‰™þH ŸD³ ºªIP r ¤L7
>W//„=<
K_Gd[ / žkR“™ RÃËD [ ¤L9
§J0Ij>0
žˆ Õ¿¯_ R¦Ä m ¤M2
;P@73G
ž´ËèU/…«èR R¦Ä o ¤M3
©K4Fg+B
‚R§c R¦Ä ó ¤M4
«L(Q^4?
°¶šY (ƒv¾[ ÕeR]C€S) RÃËD [ ¤M5
£H&Ap3K
d[é ¦_T (€ ÒNä) R¦Ä [ ¤ML
£H/Jp>$
R.M. OF æ¨d[E R¦Ä m ¤P2
=O@Pƒ!)
ŒLw× / ´ždç¾i ÃËD Í ¤S3
DPMX!#
ƒ«¶U R¦Ä [ ¤S4
¥K.'mE3
”e¥H R¦Ä o ¤S7
«QT0f%8
ž±cE f§SŒ§E (R ƒRîL) R¦Ä o ¤T2
ªQ?fY
°gšE’ˆ ºªIP [ ¤V3
¦K 0lKR
“C AG¬E (”S‚U´E) R¦Ä o CÞ2
©KM=gD/
ÞøE g“™ R¦Ä. ¾ CSB2
«IUHYVV
d-”^èU-h-ŸE¬ R¦Ä o CSB3
©KA6g,1
ï†çC BžD³ R¦Ä ó CSB5
«L-/^@B
ŽkÖ BžD³ R¦Ä [ CSB7
¥JL'm6<
DÌMÕ™±œE R¦Ä o CSC3
©KPIf5G
½DÜ× / ‚Éd[ R¦Ä [ CSC9
¥L:VnP 
Þ“R×-h-îœéÃËD AcODƒ… o CSD3
¨K*>h&7
Õ “·èR R¦Ä o CSD4
¨L?Ri@F
½™c“™ ÃËD/ø–KÂfR ¤¼K [ CSD7
¥J+Dm#P
Ÿ·hS-h-ê‰âf R¦Ä o CŽ3
©L$Fg9)
“´{E R¦Ä o CŽ4
¨KD4h4,
Õ”Gq R¦Ä o CŽ5
ªM!d=$
¦dE ÕAG}g (§€ 134) R¦Ä o CSF3
­QS1_HT
ïËÜÖE u´AEýR ÃËD) [ CSF4
¥J>n-K
ÞFƒN Fõ R¦Ä Í CSF5
ER)V,,
OßAÂ / Œ«Ë”N ujA ÃËD) [ CSF7
¨K/Yi(/
ê‰âf R¦Ä o CSG3
©L Fg<$
Þ_T-J¶N-´×ÎdO… R¦Ä o CSG5
ªLG%e'$
¬E-AUX-yU‡ R¦Ä o Cï2
ªM"3d>
€L-½R-ÆE±œ[ R¦Ä o Cï4
¨OOk 
Þ_T-ýù_`D R¦Ä o Cï5
ªL%@e>(
K`AÂ¯ AcOåRC R¦Ä o CSJ2
©MAIh%Y
ŸUgE±œE R¦Ä o CSJ4
©L,JfT>
d-ŸUg-h-F•xE R¦Ä o CSJ5
©L8+fCN
”¾[±œE R¦Ä o Cr4
©KBf6%
åÆâ R¦Ä o Cr5
ªLSHeM'
S}P “ÿ R¦Ä  Cr6
E]ACŒT4
“C-A-“-eÄUE R¦Ä o CSL3
©LC1fCX
Þ_T-±µŠ-h-AU„ R¦Ä o CSL5
ªL%'dS,
Oh«A / d•WR× “ÿS ºªIP r CSL7
?P3R…J9
ãè-‚…AU (”ÉC 1) R¦Ä o CSL9
«O)"b3K
^â‘ù §›S R¦Ä o CSM3
ªL!$e-8
Þ_T-§´Ë-hS-Þ_TS AcODƒ… o CSM5
©LFNgY@
d-JcO… R¦Ä o CSN3
¨KLMh" 
FN¡M R¦Ä o CSN7
©K/&g:
d[Y zN ueq ÃËD) R¦Ä Í CÀ3
ES>-"#
d-”^çS R¦Ä o CÀ5
©K<!g,<
Õal / AcOåRC ¬E ¨RƒT o CÀ6
¨K4@gT8
îL‚·T R¦Ä o CSQ3
©K:Rf0C
Pî1 R¦Ä m CSR2
=R(%ƒA:
±µŠç±œE R¦Ä o CSR3
©L$DeUU
“ ÞRa R¦Ä o CSR8
¦NU m(I
d-Ú§ÉÆE R¦Ä o C«4
©KCWfO&
Õal / d-“ZE R¦Ä o Cd3
¨K57h& 
d-“mcT-h-“UZ[ R¦Ä o Cd7
ªL?Ce(W
´g®Iv R¦Ä o C½2
¨SN2lU
Þ_T-HY–_^E AcODƒ… o C½3
©KB7gU
²YÕ–ÅE R¦Ä o C½5
©MV,gO#
SŸ` îœé ±EW FM RÃËD [ CSV8
¥IY+mIL
¡d_GS / S²âÂfR Fõ R¦Ä [ CSW6
¦J2LkUG
ž´ËèU R¦Ä o CSX3
©K8Og+X
y`T R¦Ä o CSX5
©K:1g)X
ŽXS§^ (EXâc) R¦Ä [ CSX7
¤I4Ao<8
ÎaL R¦Ä o CSY3
©KXOg >
Þ_T-Ú}T AcODƒ… o CSY4
¨L04h(U
Õ-ªEm“/Þ_T-ê±f R¦Ä o CSZ3
¨L'-hA
d-FahžC R¦Ä o CSZ4
ªL1SdWN
¬E AUX ‚UDaS R¦Ä o µA3
ªM54d5"
d BÌ£-h-GUIGU‡ R¦Ä o µA4
¦M8Wm7#
B•„BžD³ (Nñ) R¦Ä [ µA6
¥K7m6Q
ff-A-“-ã€_E R¦Ä o µB6
­PF:Y5
^aE S “™_G R¦Ä Í µB8
CT.6Œ'K
“C A “ ¨R´AUh R¦Ä o µE5
©LC3fPT
Œ¥APSŒL R¦Ä o µF3
«N0Ia-
Ó™lK (ªIPP ÃËD) AcODƒ… [ µF4
¥J(5n0C
æc„“™ (©R´YN ÃËD) r µF5
CT0‹UC
Ó ƒ´c-¨R„ (åáK) R¦Ä o µG3
¬N5 ^?L
^Š “ÿ R¦Ä  µH2
E\$!ŽC9
y`hS-þc[›S R¦Ä o µH3
«N+Vc>@
‚OñeWN / ¯œY-¹ ÃËD [ µH8
¥J*QmLC
ž±cE-“-”h€_E R¦Ä o µJ3
¬O,=_1P
Žüâca R¦Ä o µK2
§N2,k(R
ÿwïKA R¦Ä o µK6
­P)K[-W
ŽLKÊK / K_DY ºªIP [ µK7
¥HQ"mRK
©™• §›/Þ“§¯ §› AcODƒ…  µM7
E^"3';
ªEjÖE uO{H £R‘LK RåRK) R¦Ä m µN6
;OEA€EU
ªIzE É~Ë R¦Ä [ µN8
¤I GoB 
Ú}LDÎN R¦Ä o µP9
°[EJg1/
²œc R¦Ä o µQ2
©K "f $
d-`ŽL… R¦Ä o µQ6
ªLC1dW0
d-ã­€ (”R‚ßE) R¦Ä o µR6
ªLMeOA
“ ƒ”_E R¦Ä o µT5
­P-@ZF:
‘`³S R¦Ä o µU2
¬T?,e(6
“ ¯ãcE R¦Ä o µU5
­POQXX>
¯îaS ÃËD [ µV4
¥IQFmAU
|DS / £ÄH 40 •xH ºªIP Í µY4
DQT&R
ƒU³Õ R¦Ä o µY5
©K80g .
VOgé'S ãY R¦Ä NL CVB2
¯V2G\#/
VOÛaK ÃËD [ CVF2
¥II6n/5
^`Y / °—âL îœé FM RÃËD [ CVF3
¦J*Yl?-
ŒMhN ¶d / îÄY “ÿ R¦Ä [ CVL3
§J6>jN0
±µŠ §› R¦Ä [ CVM2
¤ROXqU;
±K_G uO{H) R¦Ä Í CVS2
DS>VV
B•„BžD³ ²d AcODƒ… [ CWB2
¥K!>m5Y
°—E Ðà (•ÚõKY) R¦Ä r CWC1
?P85†04
ÂLfR'S FlLS (æ¨R ÂY) AcODƒ… [ CWF2
¥J9QnC.
’LK_ÎN ÃËD [ CWF4
¥J<Dn:;
i}ÛI “ÿ R¦Ä NU CWJC
<[&‚T
ŒL”R/’ZD “ÿ R¦Ä Í CWL3
ES$WL'
ÿ™lL FM R¦Ä m CWL4
:P-&D*
BaVsÄ g“™ ºªIP NU CWOB
³]1>^'.
ÂLÿº ¦_T ºªIP [ CWP5
¥KFm9=
’LD ƒŽ R¦Ä Í CWR2
DP3E68
µ¢ ãY R¦Ä NU ]Í
³g4s L
ŒT “ÿ R¦Ä [ ]–
QIDyO:
“ y`h-3 R¦Ä o ]Á
ªS@0j)M
lcT ãY R¦Ä \ ]l
GP@VœTX
K`GÊ½K R¦Ä o ]®
°ZDcYW
b¯Âærb R¦Ä [ ]b
¥RUEp7U
‰kR¦| Î{H ïŠE aG‹}L R¦Ä ¾ ]AU
«J+O^Q4
ãNä R¦Ä Í ]ã
EQ*<‘>8
KUwUK R¦Ä NU ]BB
§b>'wN2
·`IØ Ðà R¦Ä r ]
CY?GŠ:R
BƒOñ aG‹}L R¦Ä Í ]BP
CPDU@
¯ÚÇE “ÿ R¦Ä m ]BQ
:XH5€<F
Bƒ´â R¦Ä m ]BT
=WS4ƒFJ
a¾ žkR R¦Ä m ]BV
9R3>$
ŒÄWž¸T R¦Ä NL ]Œ
®SFWW >
´b¡M ÿ R¦Ä [ ]~
£H05p"U
KUûUK©K R¦Ä NU ]‚
GaNY‘&A
¤O« “ÿ (´‰E ­x“Ê …Õžl) R¦Ä m ]¤
:TBAKK
´‡fRÃËD _€T R¦Ä NU ]CS
¢]2OxIR
‚ƒ}[ R¦Ä Í ]µ
CR"<8H
´¬‰Â~ R¦Ä \ ]CW
FO')—V4
CLYh žkR R¦Ä NU ]]
¹d;(b=
FRÕ ¹T ÀžˆS R¦Ä \ ]CZ
EP1R‘R7
 _„eN R¦Ä \ ]DC
FO:#–<F
h®E “ÿ R¦Ä \ ]DL
IX72 U
}_ R¦Ä NL ]DP
¯V?![FV
EÈa« R¦Ä Í ]¶
BPVŒM
±b R¦Ä NU ]EK
[#E|"-
‘Ä ŽkÖ R¦Ä [ ]c
¢V&uF@
†Ô™d[ R¦Ä ó ]‡
«M;,b:F
E·EKA R¦Ä NU ]EU
ÀmYGsNQ
‘Ä lãq R¦Ä [ ]FA
¦R**oGI
‘Ä ¹¨ R¦Ä [ ]FH
 Q?IuT:
»_ »[ R¦Ä m ]‘
=TFGƒFU
”KKO±K R¦Ä NL ]FT
¯U"DY)/
YËŸW ìLD R¦Ä [ ]G2
¤I'BoH)
fXÁA G¬‰‡ ãY R¦Ä \ ]GB
GOGFš=#
‘Ä ìOD ¹¨ R¦Ä  ]¸
J`,8žDR
ìDS “ÿ }RƒWS R¦Ä m ]ì
›T?:|;6
Iûs‰K R¦Ä NU ]GT
±c3SoNX
G¬“M R¦Ä m ]GX
›V38|HG
ygE ÃŠD R¦Ä NU ]GZ
»j7?pT=
ÆAQ¯Q R¦Ä o ]¡
±[ McC"
HUDÎN ãY R¦Ä r ]HB
>RO„0F
¹¨ R¦Ä / FVù aG‹}L RåRK \ ]j
FO4&—;H
›§SŒU R¦Ä o ]HH
©QG:j&&
ÇUK¡KeK ¹L”N R¦Ä  ]Å
GdKL“N4
GêA ¡kN R¦Ä NU ]HK
ŸbD&}PY
¹¨Û€ R¦Ä NL ]¹
¯U8VZ+G
¦z Åœ R¦Ä [ ]HP
›R$N|-2
´Ek× R¦Ä o ]HR
­P:$YD.
¡£kR / ÞU³i ÔÉÐåL R¦Ä [ ]HS
¤J'<o!L
IVUJI±K R¦Ä o ]IK
®\7 kU=
¦™ _€T R¦Ä NU ]‹
¸fG4kX&
J®¨R R¦Ä Í ]JA
FRYM”!C
‘Ä d JÝ‡ R¦Ä \ ]JM
HT5Pš-M
‘Ä  O±hxE R¦Ä  ]JP
H[1(“B4
hüY g“™ R¦Ä \ ]JQ
GR&)ž!4
‚œ_S ãY R¦Ä r ]KC
?X,(…FG
í“±K/FaDE ŒR§´AË R¦Ä  ]KD
Ib+6¥4
K`GIQ½JUAQ (Âÿ¡M ãY) R¦Ä o ]KG
°[A1eUL
íÇI±K R¦Ä o ]KO
¬ZO%l&U
OìKI ¦d R¦Ä [ ]KP
¢QE=sT$
ÂrAwÉï R¦Ä o ]KQ
§Q:6lK<
AUåLUK R¦Ä o ]“
¯Y/NcAY
“C “ v´E R¦Ä Í ]LB
DTL+ŽU
KIM§ÌT R¦Ä NU ]LC
²\PTcRF
“¾ÚW› ¹¥E R¦Ä [ ]LH
¡R)JuV!
‰œsâ R¦Ä \ ]‰
FPF;—SD
L{ŽLK'E R¦Ä  ]LK
D\7"ŒFX
“ ©ÆE R¦Ä o ]LQ
©M6AfM2
K`GIQ½lUJJUAQ (³Š³S žkR) R¦Ä o ]LU
°XHG_Y@
”×'S ¡Rá· R¦Ä NL ]MH
­R0(UPQ
ØIUJAQ R¦Ä o ]Ô
«V>(j=$
”ÉÂKI R¦Ä o ]MW
¨L.4iY8
¶R FlLS R¦Ä [ ]MY
œPI {5"
²§™JI R¦Ä o ]x
¨SDlOR
£RÂY ¹¥E R¦Ä m ]›
:SW<PE
HUDÎN'S ¹¨ R¦Ä \ ]NH
HV %—XH
‘Ä ”~AY / ¹žZ[ R¦Ä Í ]NR
DW4TH"
|D ¤Ñ R¦Ä YT ]OC
Ha@,©P2
OX‘ù ¹¥E R¦Ä m ]ò
8TV}.J
åÇbUK (£• lIQb´çLUK ÌN) R¦Ä  ]PC
Ic3Eš">
_UKJUí R¦Ä o ]PH
«X:1l"C
æK`GIKØ R¦Ä [ ]PM
›QO){X6
¨AÂNU~ R¦Ä [ ]¦
¤TY/s8@
åa R¦Ä o ]PP
©MUUhB;
¨mceN aG‹}L R¦Ä \ ]PS
GP0'˜J/
¨€E g“™ R¦Ä [ ]PT
£GLGpF9
P¿TZI Õ¿¯_ R¦Ä \ ]PU
GR$Lš&H
•E “ÿS R¦Ä  ]•
H^$X“0B
´¢O{I§/Þ_T-¹£a AcODƒ… o ]RC
ªN=-e!'
ƒ~Y Õ¿¯_ ¹¥E R¦Ä Í ]RM
ER7MT,
aD ½~c “ÿ R¦Ä m ]º
œT( {?8
d•T‘ù ÔÉÐåL R¦Ä [ ]Þ
¤I6VnV"
SÆÝgH R¦Ä \ ]Ž
FOLT™'I
ÞÉK¬UAQ R¦Ä NU ]r
©V>+m-
b‰N R¦Ä \ ]SQ
IY@H£F&
d. ^c‡A ¦_T R¦Ä m ]d
›SPI|Q%
ÀWsD ËK îœé R¦Ä \ ]SW
DOP!RI
Þ´S ¡Rá· (Û±D }ÎwLUí JR. ÞYUAQ) R¦Ä  ]SY
IeYD›,A
Þ_f-`›-hS-ÕS AcODƒ… o ]SZ
¬O%+`=K
Œ¨ Úºâ R¦Ä NU ]f
°^+Nj=B
vG ªO{ “ÿ R¦Ä [ ]š
ŸSO"wSO
ªieN R¦Ä ¾ ]ú
«KBI\C.
¯­UJAQ R¦Ä o ]TQ
¯XF"cW3
©KeYí©K / JÝ‡ yUN R¦Ä  ]UB
Ic8£@
}UJAb R¦Ä NU ]{
ª`=.t+=
kR§‰[ R¦Ä Í ]VG
CS3:ŒOE
eMMY KO´[ R¦Ä  ]VL
Ja+œ%H
QIKIQ¯RJUAQ R¦Ä NU ]VM
·a>N^S
ÜälO }RƒWS R¦Ä r ]VT
BUP=Š7#
hc “ÿ R¦Ä [ ]VZ
›RE2|!F
²K²âI R¦Ä  ]²
F^)9"C
h‰› R¦Ä  ]WJ
J_*F™8(
b¡ãSŒ R¦Ä Í ]WM
ETJA*0
²Æè R¦Ä [ ]WP
¡RW@u4<
Â_Wž¸T R¦Ä Í ]WV
CRMMŒQ<
°lE ‚k R¦Ä NU ]XN
Ÿ\,6zAS
åˆÉÄ¿G R¦Ä NU ]XP
µ`&H_HO
¯ŸYOí R¦Ä NU ]YH
£c>N{@B
‚W€Y R¦Ä Í ]YM
DOD)#D
WYqD / W.B. ›†¡M ÃËD r ]YO
?QNB†()
ÞœU— R¦Ä o ]ZG
¯\(LiF 
YŠK “™_G R¦Ä m CZ–
8V#4~#3
ÜR‰ˆeN EXEÒk RåRK [ CZã
¥I8;mQ
¬‘ù R¦Ä m CZBD
8V!$}C&
¶d”_ žkR R¦Ä o CZEM
¨R+Al=3
œ[ ÃËD [ CZF2
¥J)Nm0@
‘™-Ó-“C R¦Ä r CZFD
BY2"‰(U
PUKbAÂwN R¦Ä m CZFG
=UJWƒ-X
‘Ä ˜Pjº[ R¦Ä  CZFM
Ia67¤QC
©‰¯ R¦Ä  CZFN
J^T@›@+
ìDS žkR R¦Ä m CZGI
›TP5|"I
‰ß€ y`D •æDS R¦Ä m CZy
8R J}9X
Å¸  žE R¦Ä Í CZHP
FU5C’:<
K®j´EÂN R¦Ä [ CZÿ
¦R.WoFF
Ôr•T ÛM R¦Ä [ CZMD
S8;yKL
Î{H ŒžáO aG‹N / 108 §€ R¦Ä \ CZML
GQJ(—1Y
¦z žkR R¦Ä m CZˆ
:RYM.9
›LÎN R¦Ä \ CZNL
EO;E“0"
Þ´Iì “ÿ R¦Ä [ CZPB
SS9z)K
æ›¹¥E “ÿ R¦Ä r CZ¦
AU=Gˆ@U
ƒ¿D “ÿ (²AwÕW “ÿ) R¦Ä [ CZRJ
žRVCy0L
Î{H _` “ÿ R¦Ä m CZSN
;VM@€T8
øsDk_ žkR R¦Ä m CZ¯
9QM"~G>
ïÝb¯Â R¦Ä m CZTM
žUQOz"R
´·´¬L FlLS R¦Ä NL CZØ
®S?I^$5
†Õ[ / ±œiEUk R¦Ä Í CZVL
ESF!Q,
“C Bƒ´â R¦Ä m CZ°
=XBQƒ:&
W|“d[ “ÿ R¦Ä r CZWL
?X$7…(1
ø–K Ý[D/»Y_G R •xH R¦Ä Í GIG
DPDH*)
¹¨ ãY AcODƒ… NU UZM
@b'4ˆC#
§ˆ` R¦Ä o YLP
­P/+^'(
Oæ}Œ AcODƒ… o YOI
©R+1jBI
h` žkR R¦Ä \ Yù
HRO7œWT
ZEãœOS ŽAz`E ãŽ \ ŒA5
GOXFœPF
¦Ä lÖI/Àƒb “ÿ ŽAz`E ãŽ \ ŒA9
GO/3šV.
b‰N ŽAz`E ãŽ \ ŒD6
IY@£I
G¬‘ù g“™/jl^ ãY ŽAz`E ãŽ \ ŒD7
GPHœB
›LÎN ŽAz`E ãŽ \ ŒD8
EO<“0
°gšc/y¼N “ÿ ÂfR AcODƒ… \ ŒE5
GP&C˜VV
¡RžÎN ¹T ÀžˆS ŽAz`E ãŽ \ ŒE7
FO0/—M'
ÉÈO “ÿ ŽAz`E ãŽ \ ŒF8
GR1C›&H
ø_D ´`›L ŽAz`E ãŽ \ ŒG6
GP7›<
O„` FlLS ŽAz`E ãŽ \ ŒH2
HR4I
KÝŸOPS ÂfR AcODƒ… \ ŒH7
FPGU–7U
f€yAPH ¤¼K ŽAz`E ãŽ \ ŒH9
IWT8¡)4
æß …ÁÑS ŽAz`E ãŽ \ ŒJ8
FO*?˜HA
ŒÈ ‚ùcO ŽAz`E ãŽ \ ŒK6
GP8N›9,
¯H­S ŽAz`E ãŽ \ ŒL9
GOU*œE0
îxOUkR _fÖb‹}L ŽAz`E ãŽ \ ŒM9
FO(C™(#
 _„ Ì¨Ä/GÏ g“™ ŽAz`E ãŽ \ ŒN6
HT0O 60
‚l ¡Rá· ŽAz`E ãŽ \ ŒQ3
GPAQ@I
¦²œ “ÿ ŽAz`E ãŽ \ ŒQ8
GOS,š>
‘Ä “ˆ€Y ŽAz`E ãŽ \ ŒS4
FO(˜=Y
Œ«Ë”N / }[ žkR ŽAz`E ãŽ [ ŒS6
¨K/(i%M
}}IÕ/Ÿˆ “ÿ ŽAz`E ãŽ \ ŒT3
FO*@š>
ìLD žkR ŽAz`E ãŽ \ ŒU6
GOFKœ$X
ïAWÉwN “ÿ ŽAz`E ãŽ \ ŒV8
FND™CY
‘Ä Âa ŽAz`E ãŽ \ ŒW6
HW77›DE
œA œA/ï¶RÂfR ŽAz`E ãŽ \ ŒW8
HR'ž"Y
°lâÑN ŽAz`E ãŽ \ ŒW9
GP$=›!"
wˆ‡ ŽAz`E ãŽ \ ŒX6
FNQ.™;O
S§^cS/àjE “ÿ ŽAz`E ãŽ \ ŒX8
HTI!
¡Ä€Y ãY ŽAz`E ãŽ \ ŒY4
HS7Ÿ-
’NÃËD (WsD “ÿ) ŽAz`E ãŽ \ ŒY9
FP!•6
¯K“ “™_G ŽAz`E ãŽ \ ŒZ3
HU; ›Y+
‘Ä d. JÝ‡/dUT žkR ŽAz`E ãŽ \ ŒZ6
HT7&š..
K_‚‰^ ŽAz`E ãŽ \ Cã3
HTY6ŸWB
ã“/ÔrOKA »Ob »Y_G CLUB ŽAz`E ãŽ [ Cã6
¥K &m?1
“ÿ ÔrOKA/áYD ãY ŽAz`E ãŽ [ CBB3
¥K! m6>
LÕ “ÿ ÂfR AcODƒ… [ C4
¦J<4kO1
ãLÞM “ÿ (c“™ÎN) ÂfR AcODƒ… [ C6
¦J@*lS=
Ôx¹ “ÿ/§€ 462 ŽAz`E ãŽ \ CBF8
IY>›L<
F•ŽR “ÿ ŽAz`E ãŽ \ CBJ8
HT"šRY
Ü~ “ÿ ŽAz`E ãŽ [ Cø2
¥JL0m6M
“ÿ SÒìG/ãœ ¦_T u§^) ŽAz`E ãŽ [ CBP7
¦J*6lN?
Æi›œ “ÿ ŽAz`E ãŽ \ CBQ9
FO"E™OR
O{AOUS A±b‹N ŽAz`E ãŽ o CBS6
¨L)Mj!:
’eN/bE “ÿ ŽAz`E ãŽ [ CBT2
¤JOFo.8
y¼N “ÿ ŽAz`E ãŽ \ CÏ6
FQ71—*P
›W ³R”q ŽAz`E ãŽ ¾ CŒ2
«J?&^J)
Òmc“™ ãY ÂfR AcODƒ… ó CCB7
«L5_T4
B•„BžD³/ÀÊ— ãY ÂfR AcODƒ… [ CCB9
¥K Tm5;
d. ¨fR'S/Œ¨ ³Š³ ÂfR AcODƒ… ¾ CCG6
«KIPZNC
´`ÚS “ÿ/SÐUK'S “™_G ŽAz`E ãŽ [ CCL5
¦JN/kX-
ŒÈ_G ¦Bž`D ÂfR AcODƒ… o CCP5
©L!*gK4
d. êë'S (åDDYS ¦™) ŽAz`E ãŽ NL CCQ5
«M:$RS4
‚üE žkR ÂfR AcODƒ… NL C¤8
¬MU7U@G
Î{H BƒOK ŽAz`E ãŽ NL Cµ5
¬OWD
^ŠÜÖ “ÿ ŽAz`E ãŽ NL CCW5
¬N.T'
C€ÂfR “ÿ ŽAz`E ãŽ [ CCW6
¥JN$m,=
ÂÜï ŽAz`E ãŽ NL CCX5
­RV`T
‚ÕX ŽAz`E ãŽ \ CCX6
GOF,šUY
Úºâ/KAÂw” “ÿ uO{H) ŽAz`E ãŽ [ CDK3
¦K-PlM>
ÚµŠ'S “ÿ ¶d ÂfR AcODƒ… ¾ CDL5
«IRT`#Q
ÚµŠ'S “ÿ ²d ÂfR AcODƒ… ¾ CDL6
«IS`$(
¦²º ÂfR AcODƒ… [ CDR2
¥JFYm$4
Ó¾‘ù ŽAz`E ãŽ [ CDS5
¦J<%lC#
¹O¨º “ÿ ŽAz`E ãŽ ¾ CDT2
«IW,_Y6
ÀžˆÛ€/Û±S ¦™ ŽAz`E ãŽ NL CÓ4
¬O?V!S
ŒR¤O« ŽAz`E ãŽ YT „B7
IZ(3¤GQ
L{ŽLK'E ŽAz`E ãŽ  „B9
D\6ŒK
‚L±œE “ÿ ŽAz`E ãŽ  „D7
Ja!œ$
¯L^E¬EI }RƒWS ŽAz`E ãŽ  „D9
E\B=
_U±K/ïËL “ÿ ŽAz`E ãŽ  „E3
Ib16£CL
†Õ[/‚OK_G “ÿ ŽAz`E ãŽ Í „E7
DS72$-
¡Y žkR ŽAz`E ãŽ  „F8
GZQ%‘IM
xUP “ÿ ŽAz`E ãŽ YT „F9
H[JV©,L
ÛWÎN Ðà ŽAz`E ãŽ YT „G7
H^"©7Y
ÂTÎN “ÿ ŽAz`E ãŽ YT „J9
IZ$HžL
‘Oúc “ÿ ŽAz`E ãŽ Í „K7
GXC“(Y
‘ù ãY ŽAz`E ãŽ  „L7
J`NšG-
h‰› ŽAz`E ãŽ  „N7
I_)™7
YËŸWKÉý ŽAz`E ãŽ  „N9
F\:3
}ÔïKA ŸD³ ŽAz`E ãŽ  „P9
F\73
°bI ŽAz`E ãŽ  „Q8
H]&=“.?
í“±K ŽAz`E ãŽ  „R6
Ib+3¤Y=
‘Ä ›LÎN (åRÿR “ÿ) ŽAz`E ãŽ \ „R9
HXO=˜T
µ¢ aD žkR ŽAz`E ãŽ  „S6
Ia9£K
‘Ä ˜ÔR•Y ŽAz`E ãŽ Í „S7
DVJ4
y¶T  “ÿ ŽAz`E ãŽ  „S9
I`H;•G(
£R”N ²œS ŽAz`E ãŽ  „U8
J_-=œG<
åÇbUK ŽAz`E ãŽ  „W8
Ic3š"
‘Ä d. êë (´‰E “ÿ) ŽAz`E ãŽ \ „Y7
HV/(–WW
°—E¹ºE ŽAz`E ãŽ YT „Z5
IZG:¥ +
‘Ä ­ÈÎN g“™ ŽAz`E ãŽ  „Z7
I[R(—3G
‘OT'S ãY ŽAz`E ãŽ [ CFB8
¥K%MmH=
ãÿº }RƒWS ŽAz`E ãŽ m Cä8
=TFIƒEB
ý›ŸN FlLS/d·³[ “ÿ ŽAz`E ãŽ [ CFG8
¦J=8lIO
‘X ¦_T ŽAz`E ãŽ [ CFP2
¦K.7mJ
FlL žkR ÂfR AcODƒ… ¾ CFR3
«JM"]D<
±þ_ç FlLS ŽAz`E ãŽ  CFV5
I[B9›K5
l” (ž±cE “ y`h h´³) ŽAz`E ãŽ o CGD2
ªN?NeBW
y`D â`G PUBÉ‚ ÂfR AcODƒ… ¾ C³2
«ICI_NO
ã“/GIBÎN “ÿ ŽAz`E ãŽ [ Cû3
¥JVUmI@
HYD•±[ Ak·E ÂfR AcODƒ… o ´A2
©L:FfL@
HYDƒ AcO¦Ä h Õal o ´A3
©K>Dg<T
¡§LeN ¡Rá· ŽAz`E ãŽ [ ´H2
¥I/VmPY
´·´ “ÿ ŽAz`E ãŽ ¾ ´L3
«J?>^BH
H¿TS±œE (£ÄH) ŽAz`E ãŽ [ ´L6
¦K1Sm-;
j·gKO ¦™ ÂfR AcODƒ… [ ´P2
¥IL2n48
SÒìG /´‰‡ “™_G ŽAz`E ãŽ [ ´S4
¦J'GlO:
HUDÎN ŽAz`E ãŽ [ CJA9
P$z(
ÜälO }RƒWS ŽAz`E ãŽ r CJB7
BUQŠ:Y
Üù—T “ÿ ŽAz`E ãŽ [ CJC7
›NU({N&
Þ™ ¦_T “ÿ ŽAz`E ãŽ [ CJD6
œN2z9
D×hN ŽAz`E ãŽ [ CJD8
œOKLzOO
IG}„ ŽAz`E ãŽ [ CJD9
O7yF
¶R FlLS ŽAz`E ãŽ [ CJE8
œPA{(
ŒžG}N/ž±cE L'–Áè ÂfR AcODƒ… o CJF2
©K:7g/G
õª[G ŽAz`E ãŽ [ CJF6
ŸP-w!
bIKOK` ŽAz`E ãŽ [ CJH6
NLyF
´·´¬L ŽAz`E ãŽ m CJJ7
œXH|!
ãÿR “ÿ ŽAz`E ãŽ NU CJK6
œ^0P~P
»_ »[/´`Éˆ ŽAz`E ãŽ m CJK8
=TJMƒOG
‚Nýh•[ “ÿ ŽAz`E ãŽ [ CJL7
œQ!zP
‘Ä F•x‡ ŽAz`E ãŽ [ CJM8
›NCF{3:
ÿ£• ŽAz`E ãŽ [ CJM9
›OL!|;@
‘Ä a‰`„ ŽAz`E ãŽ  CJN8
C\H‹(
Þî “ÿ u©þE[ “ÿ) ŽAz`E ãŽ [ CJP3
žP)0xG3
K®ã “ÿ ŽAz`E ãŽ  CJP5
>Z/„=
G¬“M ŽAz`E ãŽ m CJP8
›V3.|E5
vG ¹OK ’LhÖ‡S ŒÈ ŽAz`E ãŽ [ CJS6
œS@zW
ìDS “ÿ }RƒWS ŽAz`E ãŽ m CJS8
›T?|:
“C Ó áüâ (£ÄH) ŽAz`E ãŽ m CJS9
9P/~
Òï_G “ÿ ŽAz`E ãŽ [ CJT7
žNVEx<=
“C “ ¤OIX ÂfR AcODƒ… [ CJU9
œN3.z*T
G¿gAO “ÿ ŽAz`E ãŽ m CJW8
9S=~4
vù žkR ŽAz`E ãŽ m CJX6
8P6}K
¡T´â “ÿ ŽAz`E ãŽ r CJX8
?XD…@Y
v«âT ŽAz`E ãŽ m CJY6
8Q}G
ø–K “ÿ ŽAz`E ãŽ r CJZ6
@Y'‡?
hc “ÿ/ÿYÝAW¿ ŽAz`E ãŽ [ CJZ7
›RF|7
“ ƒˆE ŽAz`E ãŽ r CJZ9
@U$‡.Y
€AF •æDS ŽAz`E ãŽ m ~A3
<V?V
­OUX ŸOKO{ ŽAz`E ãŽ [ ~A6
P#=yTK
Oßc “ÿ ŽAz`E ãŽ r ~B4
@UB†L
Þ™Y ãY ŽAz`E ãŽ r ~B5
>U=„1
ŽLKÊK ŽAz`E ãŽ m ~C5
9P(~R
LYü “ÿ (ËÚN “ÿ) ŽAz`E ãŽ m ~D3
=VO ƒ&
^OÈÎN ŽAz`E ãŽ m ~D6
:UKP
¨‰ŒN }RƒWS ŽAz`E ãŽ r ~E4
>U(„UY
Þ™Y “ÿ ŽAz`E ãŽ [ ~E5
œS!{2
^¿hR ãY ŽAz`E ãŽ [ ~E6
ŸN9w(
K®¡á’E/UP¨R ïEã™Ñ` “ÿ ŽAz`E ãŽ [ ~F5
žNEx6
æ~€ “ÿ ŽAz`E ãŽ [ ~G4
žQ:x*
·`IØ Ðà ŽAz`E ãŽ r ~G6
CY?SŠB
æK`GIKØ ŽAz`E ãŽ [ ~H4
›QN{Y
kR§‰[ ãY ŽAz`E ãŽ [ ~H6
›OR&{6'
˜wVO~ “ÿ ŽAz`E ãŽ m ~J3
=V@ƒ<
­LkR FlLS ŽAz`E ãŽ m ~J5
9P<~$
ÂáWhN ŽAz`E ãŽ m ~K6
;TU€C
dA¿eN “ÿ ŽAz`E ãŽ [ ~K8
žP4YxE=
S£W “ÿ ŽAz`E ãŽ m ~M5
<TS‚Y
§}KI/æd| “ÿ ŽAz`E ãŽ [ ~P3
8OY|I
Î{j™ ŽAz`E ãŽ r ~P5
?V2….Y
ƒ¿D “ÿ (²AwÕW “ÿ) ŽAz`E ãŽ [ ~P6
žRVTy2W
•_Y žkR ŽAz`E ãŽ [ ~Q4
8NI|@
ÿügg “ÿ ŽAz`E ãŽ [ ~S2
¦K, lC1
aD “ÿ ŽAz`E ãŽ [ ~S4
›Q {P
›dŠ FlLS ŽAz`E ãŽ [ ~T3
›O%{U
aD ½~c “ÿ ŽAz`E ãŽ m ~T4
œT'/{?N
æ› Ú~ ŽAz`E ãŽ m ~T8
9QBE~O 
Éå’N ŽAz`E ãŽ r ~U3
?S6†
dEÂÄ “ÿ ŽAz`E ãŽ [ ~V5
›OO{I
›dŠ FlLS/Þãr[G ãY ŽAz`E ãŽ [ ~W3
›O&{V
d[Y •æDS ŽAz`E ãŽ r ~W5
AY-B‡OR
K›E “ÿ ŽAz`E ãŽ m ~W8
›TS9|N9
£RÂY ¹¥E ŽAz`E ãŽ m ~Y3
:SY%MD
K¬“Öé (K¬“Öé Õ¿¯_ ŸD³) ŽAz`E ãŽ [ ~Y4
¤KX&o<9
Î{H ¦ÄA³ ÂfR AcODƒ… [ CLB3
¦K1m"#
“C h “ FlŽ ÂfR AcODƒ… o CLB6
«SH@gI-
ÜÖS “ÿ (LD R) ÂfR AcODƒ… \ CLD3
HT*B›K7
ÜÖEGè ãY ÂfR AcODƒ… [ CLJ4
¥K,$mJD
“ˆ¬€ “ÿ ŽAz`E ãŽ ¾ Cœ2
«J9^8R
“C “Õ^E ÂfR AcODƒ… o Cœ3
ªNJ4e&0
Ÿˆ “ÿ (ÂVY) ÂfR AcODƒ… [ Cœ6
¥L62oY
“ÿ ÔrOKA/l¦Ä ãY ŽAz`E ãŽ [ CLM3
¥K.m4X
“ÿ ÔrOKA Î{H ŽAz`E ãŽ [ CLM5
¥JWXm7M
§œc g“™ ŽAz`E ãŽ [ CLM6
¥JY>m9U
“C ¦“žS (¦·VOÊè §•³) o CLP3
«SN fR
“ÿ ƒ«¶U/êë'S ãY ŽAz`E ãŽ [ CLR2
¥K(*mAQ
øS Ac[A{IÆE _C ÂfR AcODƒ… o CLS7
¨KTMi#H
”Ä_ “ÿ ÂfR AcODƒ…. [ C”7
¥K4mOW
ŒmžD³ (P¥‰xH “ÿ) ŽAz`E ãŽ [ Cm3
¥I7,n-7
“ÿ ÔrOKA ¶d (§L‘ù ãY) ŽAz`E ãŽ [ Cm6
¥K"<m:O
˜ÿœ (”ÉeUÂvˆ) ŽAz`E ãŽ [ CMK2
¥K<$mU"
§NK “ÿ ÂfR AcODƒ… ¾ CML3
«JE_S1
ÕRžÎN “ÿ ŽAz`E ãŽ [ CML4
¥JR,m9F
­X §€ “ÿ p¿yY ãY) ŽAz`E ãŽ [ CML6
¥JTYmI.
”ž} € }{IÆE ÂfR AcODƒ… o Cõ3
©LG6gSU
Õ-ªEm“ (“C ”r_[³) ŽAz`E ãŽ o C÷2
¨L#.hB<
N ‹R ŽAz`E ãŽ [ Có5
§K69j3A
½DÜ×/•õé “ÿ ŽAz`E ãŽ [ Có8
¥L:NnY%
½DÜ×/ð¬Û ŽAz`E ãŽ [ Cx5
¥L>o&
“ÿ ÔrOKA/ÕÄI…R'S ¦_T ŽAz`E ãŽ [ Cx7
¥K!m?F
f”w§ ŽAz`E ãŽ [ Cx8
¦M!KmMB
y`—EÅœ “ÿ ŽAz`E ãŽ [ C™6
¢O$s*
¦ÄA³ “ÿ ŽAz`E ãŽ [ C™9
¥KLn,
ãR žkR ŽAz`E ãŽ [ C›5
¢L79r$
³•LDeN/H{´g[ “ÿ ŽAz`E ãŽ [ C›6
¡OM!tV2
}K_A ŽAz`E ãŽ [ C›7
¡P+tH
ãT´AÂ} ŽAz`E ãŽ [ CNF5
¢LUrB
¡‰ÜÄ[ ŽAz`E ãŽ [ CNF6
¦K<l@
¡WK J¿µ‹N ŽAz`E ãŽ [ CNH6
¢N#r?
£ÄH ãY ŽAz`E ãŽ [ CNH7
¦L1Rm6#
jd/ŒaY “ÿ ŽAz`E ãŽ [ CNJ5
£OJDr;
¹ÖEåY› ŽAz`E ãŽ [ CNJ6
¢O)rS
°—E žkR ŽAz`E ãŽ [ CNJ8
¢NCCs+6
Úºâ/KAÂw” “ÿ (|D §œ ”ž}) ŽAz`E ãŽ [ CNK5
¦K.lN<
´Az¶U ŽAz`E ãŽ [ CNL5
£MQq6
H·DS “ÿ ŽAz`E ãŽ [ CNL6
§K7jE
åYS zb ŽAz`E ãŽ [ Cö7
 NSuA
‚´•› ŽAz`E ãŽ [ Cü5
¥O$Ao 
ìOhR¡M/¨x¬ “ÿ ŽAz`E ãŽ [ Cü7
¦JNl3
“ÿ ƒ«¶U/’™c…a ŽAz`E ãŽ [ CNP2
¥K'@m=V
KÝ`gÿG “ÿ ÂfR AcODƒ… [ CNP5
¦K5kE
‚¾¯xE “ÿ ŽAz`E ãŽ [ CNQ5
§K6(iX>
ÿiE/ËMÅºT'S aÎÄ ŽAz`E ãŽ [ CNQ6
¦J-&l$'
¦Ä Ÿžˆ ŽAz`E ãŽ [ CNQ7
¥KS>n$)
SÕKY “ÿ ŽAz`E ãŽ [ C¾2
¥KQn+
£L/ÞWÓd ãY ŽAz`E ãŽ [ C2
¥K6%n%?
ÓD€Y ãY ÂfR AcODƒ… [ C5
¥KYmB$
H¿TS±œE ŽAz`E ãŽ [ CNU6
¦K1 m-:
ËK “ÿ ŽAz`E ãŽ [ CNV5
¥MIFn10
Š¬‰A/“ÿ d êë ŽAz`E ãŽ [ CNV6
¥JFTm0:
ÞÇT dE. ”žE/åÄžD³ ¦_T ŽAz`E ãŽ [ CNV7
¢L=-r,9
ÀƒW “ÿ ŽAz`E ãŽ [ CNX7
¥JMWm6D
Ãk §€ “ÿ ŽAz`E ãŽ [ Cq5
£M@q+
‰ß€ ÒRa ŽAz`E ãŽ [ CNZ9
¤KY oW=
¦çC RåRK ÂfR AcODƒ… o CPC7
§K=7j(-
åUÛï “ÿ ŽAz`E ãŽ [ CPD5
¦JW?l +
åR× Î¿D/d. Â€•N g“™ ŽAz`E ãŽ [ CPD6
¥K,Wn*+
“ÿ ƒ«¶U/^·‰E ãY ŽAz`E ãŽ [ CPF9
¥K%m?
”ÉeÂÉˆ ŽAz`E ãŽ [ CPJ9
¤KJoN
ø–K Ú}LD “ÿ ŽAz`E ãŽ [ CPK8
§K*0jW6
lì” §œS ŽAz`E ãŽ [ CPN6
£L)/pO;
“ÿ å}´E ÂfR AcODƒ… [ CPN9
¤L.Go2.
“ÿ ƒ«¶U/Œ…ƒN ãY ŽAz`E ãŽ [ CPQ6
¥K-mE
rËâ[ “ÿ ŽAz`E ãŽ [ CPQ7
¥K+Um8(
åR× Î¿D ¡Rá· ŽAz`E ãŽ [ CPS1
¥K23n #
åR× Î¿D/H·[ g“™ ŽAz`E ãŽ [ CPS8
¥K(Ln$6
åR× Î¿D/F×_G åN g“™-Þ¾ ÎUÐ ŽAz`E ãŽ [ CPS9
¥K(6n&-
¨R× “ÿ ŽAz`E ãŽ [ CPT6
¦N=Wn$8
”ßAÂ ŽAz`E ãŽ [ CPT7
¦L0GlI4
åR× Î¿D/hEP ãY ŽAz`E ãŽ [ CPT8
¥K5Un(U
Š¬‰A/”T´†®H “ÿ ŽAz`E ãŽ [ CPU5
¥JM2m<
jÁ “ÿ ŽAz`E ãŽ [ CPV5
¦JI/lTE
M§¾/¦RÒæ› “ÿ ŽAz`E ãŽ [ CPW5
¥N;o*
ÞÇT dE. ”žE ŽAz`E ãŽ [ CPX8
¢L<.r16
H¿TS±œE/œA “ÿ ŽAz`E ãŽ [ CPY7
¦K9(m>
¦Ä ŒR‰ˆ/Üßc»Y “ÿ ŽAz`E ãŽ [ CPY8
¥K#DmCP
”µèR/F•xg g“™ ŽAz`E ãŽ [ CPZ7
¥K'n'
eƒO/Ðà „a ŽAz`E ãŽ [ CPZ9
¥ICYm5F
ž´DS –H ÂfR AcODƒ… [ ¤B6
¥JJ0mJL
ù g“™ ŽAz`E ãŽ [ ¤D8
¤L&Ap6R
ÆÝ¢¡N “ÿ (•kN ÃËD) ŽAz`E ãŽ \ ¤F6
FNN<™E
žä‰N' ÅT´ ÂfR AcODƒ… NL ¤H3
®S7*WGD
¦·VOÊè „Œ·Ë ÂfR AcODƒ… o ¤K3
¨LC0i!X
²d GU¬‘ù/aDd[E “ÿ ÂfR AcODƒ… [ ¤L6
¦K*Bl>L
ƒÄS “ÿ ŽAz`E ãŽ [ ¤L8
¥K,YmO?
a±Ÿ g“™ ŽAz`E ãŽ [ ¤V7
¥K,Dn*'
±b ÂfR AcODƒ… NU ¤V8
[&P|$W
•NK_ g“™ ÂfR AcODƒ… [ ¤W3
¥JX;m8>
d-´€S-h-á·³T ÂfR AcODƒ… o CÞ5
ªN<?e9N
DÌMÕ™±œE ŽAz`E ãŽ o CÞ7
©KQ.f54
ÞGUiAY pkY) ÂfR AcODƒ… o CÞ8
ªN86e%N
“C-hS-¬‡ ŽAz`E ãŽ o CÞ9
¨L6Ii=*
ãè-‚…AU ÂfR AcODƒ… o CSD6
«O*-b28
åRC w›AU ŽAz`E ãŽ o CSD9
§KGj*=
§dg­É ŽAz`E ãŽ o CŽ6
ªP7gR
“C Ó¡…L ŽAz`E ãŽ o CŽ8
¨L&9hD<
åa ŽAz`E ãŽ o CŽ9
©MS=hD8
”É‚UAwN/“C ŸUgE ŽAz`E ãŽ o Cï8
¬PE9bO4
ÞLÕN “ÿ ŽAz`E ãŽ [ CSJ9
¥K->mX(
øUE ŽA “ÿ ŽAz`E ãŽ o CSM6
¨L,=j O
ŽPT-¬‡/“C hS •æhS ÂfR AcODƒ… o CSM8
¬P/V`6V
ÆEC/“C d-AUG¥N ŽAz`E ãŽ o CSN8
ªLK#e5E
Àƒb “ÿ “™_G ÂfR AcODƒ…. \ CÀ4
GO/ šX5
“C ŽPT-¬‡ ŽAz`E ãŽ o CÀ8
ªLV5eJH
dE-`›-Ó-“C ŽAz`E ãŽ o CÀ9
¨LS'i1B
“C-A-AU„ ŽAz`E ãŽ o C«7
©M1/fKT
CŸî/“C Ó´ÝP ŽAz`E ãŽ o Cd6
¨N$Bi3W
Õal / ”ž} kÉŽ ŽAz`E ãŽ o Cd8
©KCXgLW
ÀO{ “ÿ ŽAz`E ãŽ \ C½6
GR9—8H
“C-A-“-eÄUE ÂfR AcODƒ… o C½7
©LCfC?
g“™ ±EW ÂfR AcODƒ… [ CSV6
¥J%JlV:
d-”^çS ŽAz`E ãŽ o CSV9
©K<(g-&
dE-kƒÉÆE ŽAz`E ãŽ o CSW9
¨L<ShY7
}¯ïÆ` (“C h L'A±[) ŽAz`E ãŽ o CSY8
­P)3[K,
´IáUw”U/“C Œ´E ÂfR AcODƒ… o CSZ7
©OO6h79
S´Eäc±œE/SÆAW “ÿ ŽAz`E ãŽ o CSZ9
®TOG`N#
d-lP¹¾E/“C CŸ{èR ŽAz`E ãŽ o µC2
©L)@gE.
¡Va d-æca ŽAz`E ãŽ o µE3
­P-N]? 
TWO g“™ “ÿ ÂfR AcODƒ… [ µI2
ŸNG,w3B
f”w§/§› “™_G ŽAz`E ãŽ [ µM2
¥LWCn5
´{E-hS-å«‡/“C ”þ`E ŽAz`E ãŽ o µM3
«OVBe&/
Kbž› (^aE §€ “ÿ) ÂfR AcODƒ… [ µM5
¦KA+m0%
f§S‚UbA-½R-€-“C ÂfR AcODƒ… o µM8
«MG$bR<
ãR•³ ìU_ ŽAz`E ãŽ o µP3
©N3-h$(
“C åU (ŒÉAæSŒU) ŽAz`E ãŽ o µP4
­TPHcRU
“C ÄjŸT ŽAz`E ãŽ o µS3
¨N=*j'K
“C-hS-E‚R„S ŽAz`E ãŽ o µV2
¨L>Ui7%
“C ªEkT ŽAz`E ãŽ o µX2
¨N'@j&.
ŒSŒhS ŽAz`E ãŽ o µY3
§KA'iR#
Ü~¹Ö ÂfR AcODƒ… [ ÒB2
¦J=Nl30
VOYA³· ´`›L ÂfR AcODƒ… [ CVC2
¥KWoR
kR…ßE “™_G o CVL4
§KVAk.
¬E Þ_f-j€› ÂfR R¦Ä o CVP2
©K=.g>4
kÖ[/’LD‰ý ŽAz`E ãŽ \ CVW2
FP,C•2D
°—E “ÿ ŽAz`E ãŽ [ CWL2
§K16j;,
ÔR•YS “™_G ŽAz`E ãŽ [ CWP4
¦JX'l S
YËŸW ÚG ŸD³ ŽAz`E ãŽ  ]D2
F\S8R"
yAkNH·d/ÔrOKA ãY ŽAz`E ãŽ [ ]N6
¥JVDm6.
øUBR ãY ŽAz`E ãŽ \ XBB
GOMDšC.
Üœ ¡Rá· ÂfR AcODƒ… \ YBH
GPU"V,
ìþE ¡Rá· ŽAz`E ãŽ \ Y³
GP#X›7
K€÷U ÂfR AcODƒ… \ YKT
HRB9ž=0
aFU³ ‚k ŽAz`E ãŽ \ YRC
GP%6šPA
}Ô ÂfR AcODƒ… \ ZNU
GQQLR(
€Å¸ îœé _fÖb‹}L R¦Ä å KÍE
§FE$i8@
lÜÆcÆE _fÖb‹}L ½N¦Ä ö KÍQ
?A 6ˆB>
b“¢ Ðà _fÖb‹}L R¦Ä NJ K–Y
§E94h@E
lEX`DžA _fÖb‹}L R¦Ä “ KAEX
›=1?z>N
lãq _fÖb‹}L R¦Ä q KlB
¨HJTgN$
ž~ H¥ã™ Ý¬Ÿ _fÖb‹}L R¦Ä t KÝA
<A+"ƒH5
¡ÄSÃËD J–ñ[ b“A _fÖb‹}L R¦Ä w KbL
¡?D*r7G
APzâ[ _fÖb‹}L R¦Ä ’ KbW
ŸJ-=v=&
A¥N þdƒM _fÖb‹}L R¦Ä t KA¥
:<)QEI
®j±œE aG‹}L R¦Ä x KAVL
¢A8&p>=
’LÿS-ãRa/S¤`eN _fÖb‹}L R¦Ä å KAVP
§G2+iI9
B•D€Y _fÖb‹}L R¦Ä µ KBDL
¨GV1fG/
K_G ‚¿à _fÖb‹}L R¦Ä - áE_G ÃËD Â KBÃ
FM=C˜0
ãˆŠ _fÖb‹}L R¦Ä … KBy
ªJN5bOB
vR§ˆ¡M-ï{š‡WŠ^ _fÖb‹}L R¦Ä l KBHM
Ÿ??LtK!
vœ_GS ŸwN _fÖb‹}L R¦Ä ÷ KvL
AKN:Š>
}ï±œE _fÖb‹}L R¦Ä ú KB}
ŸB%:tFH
ágE R fR§}L/ì²N ÃËD Ù KáI
DI?R’+5
ád[ ŸwN _fÖb‹}L R¦Ä ” KáS
©H3Ie:
åª¢K €AHY ÜR‰ˆeN _fÖb‹}L R¦Ä VT KBTV
©J:1g'*
ÜälO ÉAw• _fÖb‹}L R¦Ä q KÜF
¥HV8lIV
á ¹¨ / ¹œYWsD ÜRãNK R¦Ä Œ KÜR
B@*(”3;
ãLÕa/Âï_GeN _fÖb‹}L ^·ìOD ”º¡œ R¦Ä MD KB’
¦E(=jF$
áZE”N YËŸWd[E _fÖb‹}L R¦Ä ÷ KBZN
BKLJ'+
‚LØvA …ªO¦‰¯N R¦Ä SC KŒE
£?V/o%!
²dOkR …ªO¦‰¯N R¦Ä / ²dOkR R aŽRk ãŽ ” K„F
¨H)Df>#
´€d[ _fÖb‹}L R¦Ä SC K´S
£>SLn /
´IP¨Â ‚¿à _fÖb‹}L R¦Ä § KÐU
¢L,=r9I
C€k“™ ¹PK_S _fÖb‹}L R¦Ä ò KC€
£G6HoPY
´ŸßE ÚUû® _fÖb‹}L R¦Ä x KCLT
£A*PnVA
êë ûiN ‚LØÜS _fÖb‹}L R¦Ä ò KCMH
¢EYSpS=
Ðà OF ‚Ÿ•Ú ÀžˆS ÔÉÐåL R¦Ä ‚ K‚S
>DN3†H"
‚RP¥ ´ždI _fÖb‹}L R¦Ä t K¤P
:9L+<"
Ðx_} £ÄjÖ ÿU~Y _fÖb‹}L R¦Ä KY KCVG
¡E VrF"
ÛYe} –H _fÖb‹}L R¦Ä » KÛB
¢;(Wo!@
Ûœ® Ÿk ÃËD t KÛL
:>PG~PR
JÝ‡ M. ‚X ÛYeN _fÖb‹}L R¦Ä ò KÛY
¡ET'r+(
ƒ}LD aAwN Âï_GeN }[l R¦Ä DC KDŒ
¦DQ&k .
hNkR _fÖb‹}L R¦Ä ‚ KhN
>EQB†F8
Ûœ® ‘Ä WŠ^ _fÖb‹}L R¦Ä t KDFW
:>SN /
ÓL{H _fÖb‹}L R¦Ä ô KDLH
œLP>z)C
hS Õ_‡ _fÖb‹}L R¦Ä ç KDSM
›G> {E6
hªO— …ªO¦‰¯N ÂY› ‚¿à R¦Ä § KDTW
¢H*Pq3,
£ÄH²d »ŠÙA –jS _fÖb‹}L R¦Ä » ÿCP
Ÿ<38sMI
Ë åÎ _fÖb‹}L R¦Ä t ÿLP
>=NBˆ4>
EU³› R¦Ä Š ÿUG
EJ%;™*I
›ÂRK ‰ÄY _fÖb‹}L R¦Ä NJ ÿWR
§FG?h(%
jµŠ _fÖb‹}L R¦Ä ™ KF
:LU-~NW
FaS£ YOŽ§f _fÖb‹}L R¦Ä Œ KFb
CBL?•I#
‘Ä “UhùlE ¹œYWsD _fÖb‹}L R¦Ä » K»L
¢8"3n'(
vïOP _fÖb‹}L R¦Ä § KF
¢HX'qJB
­OUX FlLS aG‹}L R¦Ä SD KFSD
:IA&~J:
‘Ä ÂY› _fÖb‹}L R¦Ä _ KFÂ
¡FXJs)F
ÀOK`E _fÖb‹}L R¦Ä Â K³G
EMC*“> 
y`D ‘Rñ _fÖb‹}L R¦Ä ™ KGFK
:MVW(@
û–èR åRK _fÖb‹}L R¦Ä ÷ KGæ
DN0D-4
GÇF¦Ä vŸXI _fÖb‹}L R¦Ä õ KGPT
<62w")
A¥N d•UL _fÖb‹}L R¦Ä ’ KyB
ŸJ;v%Q
³•LD R. ‘ù _fÖb‹}L R¦Ä § KyR
¡HRQs=4
æ†Õ ªçD _fÖb‹}L R¦Ä x KGÎ
¤B#XmV,
y¼N±œE-À¯ó·G _fÖb‹}L R¦Ä SC KGÀ
¢@SKp+&
y¶T FlLS _fÖb‹}L R¦Ä ÷ KGTF
CM:U4.
w× ´¢Aì _fÖb‹}L R¦Ä _ KGYY
ŸGC u6N
’œçM P. ¹BÏ R¦Ä t K¹U
9;DI}.C
H¿TS±œE _fÖb‹}L R¦Ä l KHSV
Ÿ@D(tL:
Âï_GeN Óœ‡ _fÖb‹}L R¦Ä î KçD
¥DVFk93
³Š³ Üï _fR‚_i¯L R¦Ä t KçH
9;Y"}2;
’´—A D’¸T D. Egi¹²R }[l R¦Ä ñ K¢T
:CE7I
’L§ˆeN R¦Ä h K¬G
§EFIiB5
’L§ˆeN _fÖb‹}L R¦Ä x K¬M
¥@.0kT/
_`A¦‰S _fÖb‹}L R¦Ä _ K_D
 EI t/F
…Þ wfÂY R¦Ä ð KIÂ
@?0:E0
J–ñ[-…DwR ’€Y Ekº _fÖb‹}L R¦Ä õ KJ`
>0Fx"?
J–ñ[±œE _fÖb‹}L R¦Ä » KJAX
¢<;?oG.
êë F. ÿü†Y _fÖb‹}L R¦Ä q KJFK
¨FD4gLL
“ÿ“™ ‰™c _fÖb‹}L R¦Ä » K“L
¢9Y3p%
Œæ¯L aG‹N _fÖb‹}L R¦Ä § K“N
¢HLErA'
¡R× aÙ _fÖb‹}L R¦Ä NV K“S
BB#‘'%
ŸS `³€S _fÖb‹}L R¦Ä Œ K“X
B?V?”6;
LUBá~  ‡eN S§^ _fÖb‹}L R¦Ä t KLBB
<?EOƒO5
ž~iã~c _fÖb‹}L R¦Ä ò KL~
¢ENPpUF
øUE y®S R¦Ä KY K€X
¡D $rB6
“GUA R¦Ä q KLw
¨FLDgR3
Ÿˆ –H _fÖb‹}L R¦Ä Œ KLGB
B?NY”'
vœ & ÅœY C‰[ }[l R¦Ä/ÁÝS ÃËD  K‰T
›@IKz+7
‰x|N R¦Ä › KLNK
:FPH~KH
“aÚ _fÖb‹}L R¦Ä t KLù
;9>D9H
mS _fÖb‹}L R¦Ä § KmS
¢I=Yr"Y
K`ÞS Ðà _fÖb‹}L R¦Ä Õ K˜I
8E/Q|HP
Š“™O _fÖb‹}L R¦Ä » K˜O
¢:7Lo0>
¡RžSÜþ _fÖb‹}L R¦Ä å KMDT
¦F)@jKJ
´¢Aì §DÂY _fÖb‹}L R¦Ä ¬ KMDW
ŸGM(uK'
…ÈÅS _fÖb‹}L R¦Ä ú K…M
A DwXA
ƒGUE îœé _fÖb‹}L-…D‘ù R¦Ä Š KMFR
EH49˜R5
”xjdc-ád[ aG‹}L R¦Ä NH KMHT
©HUWe8'
§ÝI _fÖb‹}L R¦Ä » K§A
¢7MBn/8
³›•L §T´ËL _fÖb‹}L R¦Ä ’ KMÿ
ŸHVPuSN
…Lá·› Š“™O _fÖb‹}L R¦Ä » KMLB
¢:$%nD:
ÆÁ Ðà _fÖb‹}L R¦Ä ¬ KM‰
G8Ux<9
§£T _fÖb‹}L R¦Ä ™ KÕT
=N-;ƒ.K
§«OÇA Õ`A R¦Ä ÷ KõO
DLTW#:
§ü¶¦‰S-Þ_T åÇ _fÖb‹}L R¦Ä / W|D-´ÝR“_ ÃËD ô KõP
›JRN{+0
ŸUg õª[G ›W Š€`S _fÖb‹}L R¦Ä “ KõY
œ;YBx-;
MYÄ€ –H _fÖb‹}L R¦Ä SC KMYR
¤?FMlUH
YØA _fÖb‹}L R¦Ä / ”ž› ‚RPS R db‹N YØA ð KqL
A>E!B@
ÞN F•xg‚ ãY Oí“™ _fÖb‹}L R¦Ä Œ KOí
DCI*˜+.
OKC ’œ ƒ³º WŠLD R¦Ä OK KOKC
:A5BAT
EPzé RÃËD › KO”
9G0*}SE
[¯žO _fÖb‹}L R¦Ä Œ K[T
B@!4“B"
´¢Aì O'¡a _fÖb‹}L R¦Ä ¬ KŠD
ŸGXIuT/
£R‘LK _fÖb‹}L R¦Ä î KŠF
¦BSIj*"
ŽbšE å_E ÃËD _fÖb‹}L R¦Ä Â KåE
FMT5˜.U
zbTSÜþH _fÖb‹}L R¦Ä q KPBG
¨JE!g:#
åLM –H _fÖb‹}L R¦Ä » KPv
£8Gn#J
¦Ä“™ _fÖb‹}L R¦Ä Š KPDX
EKA1˜AS
PÅ“hLPÅA _fÖb‹}L R¦Ä å KPHL
§ER1i,:
P¹iIX rY ¡RáR _fÖb‹}L R¦Ä ð KPHX
A?8%Ž3
³›•L ÂY› A. ÚWÉˆ ¨Šç _fÖb‹}L R¦Ä ¬ KæA
žFEPwG?
d. ¨fºÜþ C€ÂfR _fÖb‹}L R¦Ä » KæE
¡9TCpG-
æßSÜþH _fÖb‹}L R¦Ä å KæT
¤F;;n+X
¨¾–|A _fÖb‹}L R¦Ä » KP¾
Ÿ<:4u)*
R¹h g“™ T. F. y¼N _fÖb‹}L R¦Ä ž KPVD
©GI<e7>
¦Ä“™ _fÖb‹}L Jâ¦Ä … KPWM
©IDLd0?
•€I¸-ÓR¡M _fÖb‹}L R¦Ä x KùU
¤ARIlM,
´¢Aì ƒ~‘ù _fÖb‹}L R¦Ä ¬ KRFD
žH)Iw#P
ž´Õ™ _fÖb‹}L R¦Ä î KžC
¥C<1k1)
a£ ¯¹E _fÖb‹}L R¦Ä NV KÖO
DE;W•L#
Fahž~ ÚUû®S y¶fR ƒ´‡fR _fÖb‹}L R¦Ä q KƒC
¦I%&kF3
ƒ´‡fR _fÖb‹}L R¦Ä ô KºT
œIT<z<
Î{H²d »ŠÙA _fÖb‹}L R¦Ä » KºW
¢8>#oK(
ÞN Eì _fÖb‹}L R¦Ä Œ ñ`
B>J“)6
ÞN `eÉO _fÖb‹}L R¦Ä t ñb
:;>€:)
ÞîüAH ÅLeN jÁ _fÖb‹}L R¦Ä w ñAV
¢>%Bo*
”RÆâf/ÞWYc _fÖb‹}L R¦Ä § ñAW
 L3#u5K
ÞN Ö£ _fÖb‹}L R¦Ä Œ ñBD
B@#N“,*
Î{H ™ _fÖb‹}L R¦Ä _ ñBN
 GH<t1
ŸUg±œE Ô¡M”D lI _fÖb‹}L R¦Ä KY ñDF
 D(,sJ$
ŽbšE-¯‚” _fÖb‹}L R¦Ä Â ñ¶
FM8S˜0C
Š“™O ÞN‘ù _fÖb‹}L R¦Ä » ñFB
¢:L9o,#
ÞN F•xg‚ _fÖb‹}L R¦Ä Œ ñ‘
DCC)˜4;
ÀžˆÃËD B•¾[ }[l R¦Ä Õ ñGF
›C,H{51
£R”N Y. §›¯ ÞN êŽ _fÖb‹}L R¦Ä Œ ñJC
DC3K—UK
ÞLT “ÿ Ðà _fÖb‹}L R¦Ä { ñLC
BFM2XN
Þ¤Ýie _fÖb‹}L R¦Ä Œ ñMF
DDGI—A:
êë ÂY› Š`³ ‚¿à _fÖb‹}L R¦Ä Œ ñ}
B?F<“R'
Í•¡M ‰x|N Œæ¯L R¦Ä ¬ ñæ
žEPEwFF
Þ•Î¯ B•h[ _fÖb‹}L R¦Ä » ñRQ
¡95Gp?.
d. ŸUg “mcT _fÖb‹}L R¦Ä Õ ñš
DJUx4*
›W YŠK dEÂÄ _fÖb‹}L R¦Ä q ñWF
¨G<$h$ 
SY•ÒŽ ¡xO~ _fÖb‹}L R¦Ä q ñYR
§I$Fj$5
¯œA¡«¼ _fÖb‹}L R¦Ä » KšH
 <6r3.
¯ÈA _fÖb‹}L R¦Ä » KTå
¡9X>p>
©LÞ _fÖb‹}L R¦Ä OK K©L
9B)P}S(
©CÎN _fÖb‹}L R¦Ä ð K©S
@>$TŒV/
´c× Œæ¯L R¦Ä § KTVC
¡JJ;s@V
˜¸¼ àÎN R¦Ä ú KàS
¡ANFqYD
hd_-‘Ä ÂLeN –H R¦Ä » KVPS
Ÿ<:St<W
FRãNñ _fÖb‹}L R¦Ä í åFA
F^NT±Q4
J¿¶U _fÖb‹}L R¦Ä í åJN
IX30¤@:
fD dEk¾ `´ŠA³ _fÖb‹}L R¦Ä í åx
E[(J³Y?
Ë‰ÎN [IZUKA K[A _fÖb‹}L R¦Ä b ÿA¹€ Å PHKO
@1J2º J
‰HUE R¦Ä Å PH‰
@3X:½2,
ÛÉË K. _OUYE _fÖb‹}L R¦Ä Å PëL
@31$»U>
KAHÇUI _fÖb‹}L R¦Ä Å P¹G
@2SMº7U
ÅŸ _fÖb‹}L R¦Ä Å PHe
@1I/¹ J
lEK}GIK / ›W R¦Ä í 5A8
BY.W¼C#
…SÆ—E R¦Ä NV 67L
BBOY!3
îN Z`DT ‚¿à aG‹}L R¦Ä t 76F
9>FS}Y!
Î{H lÍÝA aG‹}L b vœ [ ÃËD R¦Ä l 79J
Ÿ=0>t5D
Í¬iE aG‹}L R¦Ä t KÍI
;>6GFU
Íchi aG‹}L R¦Ä SD KÍR
;K8W€70
Î{H²d ³ŠGç aG‹}L R¦Ä w KÍY
¡==Yr)L
}U~â …Õžl R¦Ä ” K–K
©G-)d!C
Â‚ aG‹}L R¦Ä t K–T
:=BG+P
Œ‰‘Öç aDWsD ‚®T-HØáLDT ‚¿à R¦Ä Œ K–V
EFXGš$>
ÁA aG‹}L R¦Ä OK KÁH
9@N1~F1
ê_T ãŽ `DaWS MD KÁW
¦DNEjR
ÚUøE ¶ûE II R¦Ä ö KAEG
?A&IˆMH
¨ƒT ÃËD/‘Ä WŠ^ l‰`„ R¦Ä t KAFW
:>Y81(
l€¸iY ‚¿à R¦Ä å KAGC
¤F3.mUO
AUG¥¯ aG‹}L b Üï ÃËD w KAGS
¢?4*oWR
bj¾ N EPPS R¦Ä w KAë
¡?VVq1>
l‰`„ ÔÉÐåL R¦Ä › KA
=H!'„N,
íƒN FÇeN _fÖb‹}L R¦Ä ò KíR
£G ,o:"
l¢E _fÖb‹}L R¦Ä t KlI
:9J9€C
lÝOìùO °—E Þ™S aG‹}L R¦Ä ö KlM
>>P.‡YA
d ŸUg aG‹}L R¦Ä ¬ KlN
DS7x L
ÂfRŸO aG‹}L R¦Ä ç KlO
œH?8z6
ÞN LUg îœé aG‹}L R¦Ä/þ”N ÃËD ‚ KlS
?C8$‡R
ÂœA ÂœA aG‹}L R¦Ä Â KlW
EL#H”//
`Éd[ aG‹}L R¦Ä l K`B
 ?A0sQ;
`hº[ aG‹}L R¦Ä SC K`D
¢@;GpH@
le[A øR ‚¿à R¦Ä å KAs
¥F/Ml1*
„iÉl R¦Ä ‚ KAå
>E@*†PV
}z‡ ÔÉÐåL R¦Ä » KAPF
¡8''oL=
PÅœIPS MY R ÃËD MD KAPG
¦E9Xj(&
l¨} ‚¿à aG‹}L R¦Ä § KAPN
£K"Gq?C
–Áç} aG‹}L R¦Ä “ KA
›< .yS 
ÂfÄÑN _fÖb‹}L R¦Ä q KT
§IY=j0
®¨N-æTK_ ‚¿à R¦Ä uDY ÃËD) ‚ K®E
?E+6ˆR&
®ežA aG‹}L R¦Ä Š K®T
FL';™RJ
ÂfÄÑN aG‹}L R¦Ä SD KbY
:JTP'/
AUG¥¯ dbE R¦Ä … KAUG
ªJ1,cMP
Â¥AU ÚWÑN R¦Ä ’ KAUW
žJU@wCB
‰ˆeN ÔÉÐåL R¦Ä Â KAWO
FN'G˜'<
´`D€R ÃËD ô KAXN
8KQY}5G
KlÝðs/ãß€ ¤¼K _fÖb‹}L R¦Ä § KðO
¡H+Vs>Y
lE R ‘R„ ãŽ Œ KãB
DE&(—8+
ãRñÛ€ R ‘R„ ãŽ “ KãD
8><${EL
²dÃËD-ãÖ‡ aG‹}L R¦Ä ” KãF
¨H':fHV
‚LØÜS ÔÉÐåL R¦Ä _ KãK
 E-KsSJ
›W B•¿ýLS }[l R¦Ä t KãZ
:;H.€ >
ÒÄg ÃËD t KBBD
;=(J1;
B•¾[ R¦Ä Õ KBBG
›B=U{* 
B×„ Œq[ R¦Ä { K\E
ACH5Ž&H
áŒ •eN R¦Ä » K\T
£84In$:
ãUhßE _fÖb‹}L R¦Ä ô KBh
8NIH|BJ
IìR I ­KŠrY …Õžl R¦Ä µ KBDR
¨G'Og%@
“·i„ G ¡¾‚M ÃËD ” KD
©H:*e/2
B•D‘ù aG‹}L R¦Ä å KBFD
¥GN)lD6
²dcN ›B. þNL/’œçM B. j¬IG R¦Ä › KBä
>GR8…AL
…ÁÑS ÃËD Œ KB»
CA8•!7
Õv€ ÚWÑN R¦Ä l KBFM
ž<CBv"#
y¶fR vˆ¡÷[/†’N A ‰NK ÃËD q KBGM
§H*=iXM
¡xO~ ‚¿à-ãR ¡RáR R¦Ä … KBHB
ªJ9b3G
vGGS MY R ÃËD (‘Ä øgS) t KvF
>=PXˆ4N
¶dcN ­c• aG‹}L R¦Ä Œ KvH
CC45”3P
vS”R~ ÔÉÐåL R¦Ä ™ KvS
<LL4‚JO
ÿ‡€R R ‘R„ ãŽ õ KvX
<6CvU:
ƒ~Y Õ¿¯_ …ªO¦‰¯N R¦Ä ‚ KBJC
?ET>‡%
§DJI aG‹}L R¦Ä ô KBJI
8M<@|V
ãÿR Ðà ÔÉÐåL R¦Ä Š KBÿ
DJP,“N>
Ü~€Y À–E ‘R„ ãŽ ‚ KBKF
>EH$†K%
ÜRÿ “ÿFƒ R¦Ä ò KBKL
£G=!oG
•€I¸ ‚¿à …Õžl R¦Ä WV KBKW
£CM,o%9
…R„R ‚¿à R¦Ä WV KøF
£C/Ko*:
øY^E R¦Ä Œ KøH
A?C'I
œ_¸Ý _fÖb‹}L R¦Ä Â KøI
FNM@˜>/
S‚ß AFB/§Û…žŒ R¦Ä ¬ KøV
D>IwP%
ÕNƒE ‚¿à R¦Ä _ KBMG
 E&LtC
„•L ¬‰£g aG‹}L R¦Ä b øs§ˆeN-£R”L ¬ KB§
žF:DvTW
ÜÖS ÔÉÐåL R¦Ä Š KB£
DIA8”W1
§€Y …Õžl ÃËD WY KBæ
AHA$Œ$F
OZK aG‹}L R¦Ä  KBPK
›B4&z:,
J–K BƒOñ aG‹}L R¦Ä t KBPT
8;W!|-
BÌ¾’~ ìLhN g€S R¦Ä w KBQK
¢=->o9Y
B•_cD “ÿS aG‹}L R¦Ä ô KBù
›L6(|%M
Î{j®T ‹Â aG‹}L R¦Ä ç KBRL
FMy%>
BƒW¾±œE Î{H åDa g“™ _fÖb‹}L R¦Ä t KBƒ
:7T87=
ãß€ ¤¼K EXEÒk R¦Ä b ÿœOGG ÃËD § KBš
¡H08s-#
Ä Õ[é R¦Ä ÷ KBTM
CKW/Ž;O
ãeN ƒU³ …ªO¦‰¯N R¦Ä “ KBª
œ<>y&Y
AkR ‚¿à R¦Ä å KB±
¤FL3n5;
áÇhR Ðà ÔÉÐåL R¦Ä NV KBVU
BAVPQ>
kRLY aG‹}L R¦Ä ” KBVY
©HA!dTY
áW‰ˆ y¼N ÂRaN ‚¿à aG‹}L R¦Ä KY KBWG
 BWRt7)
BÌ¾’~ EXEÒk R¦Ä … KBXM
ªIS>cV1
K`ÞS _fÖb‹}L R¦Ä  KÏH
AWQwVD
ÜR€Y ÔÉÐåL R¦Ä Ù KÏI
CH>?L1
v]C€ “ÿ MY R ÃËD Œ KÏS
BA.P’CN
íƒN Œ[ aG‹}L R¦Ä ò KŒK
£FTXo8>
ŒžáU ÔÉÐåL R¦Ä … KŒR
«LR/b"
‚LØÜS R ‘R„ ãŽ õ KCBM
ž?DDv8D
Ü´`` ÃËD Œ KC¤
DCY5˜!7
£Äj®T ‹Â aG‹}L R¦Ä ç KC]
œI"3zBE
„ÛR Ðà aG‹}L R¦Ä { KCDC
BCH"#V
´ÁƒN ÔÉÐåL R¦Ä › KCDR
>HP-…#H
´¬Da« ÔÉÐåL R¦Ä t KCDS
<@8 ‚//
J–K ˜ }”• ÃËD R¦Ä Œ K„C
EGLJš,)
áB ­ÿS R¦Ä » K„W
Ÿ<LJt=2
‚ÄEZ ÔÉÐåL R¦Ä ‚ K„Z
@C0)ŠCG
ÒYA¹w ‚¿à R¦Ä ò KCGF
£G?To;)
Œ¨ GÊhAU aG‹}L R¦Ä Õ KCGI
C+=w@-
´b¯£Ow …ªO¦‰¯N R¦Ä (Ÿkœ ÃËD) ú K´A
 A %s*,
´Ÿß‡±œE l”R€ R¦Ä î K´O
¥D&1l9(
^E ¶dcN ‹Â R¦Ä ç KÐD
œGS#yHE
£ÄH „•L ²d ±þ_ç R¦Ä WV K~B
¤E/Nn+G
¶dcWsD ÃËD t KCœ
9<A1~3P
’œçM R FR´¬D _fÖb‹}L R¦Ä Â KCLM
FN%+™<
Œ”žœO _fÖb‹}L R¦Ä Œ KC”
C@*O•#D
¿Ikº—Y OF ¬‰£g ’œD R¦Ä ¬ KC§
ŸF 5v.@
¹U¸eN ‚¿à …Õžl R¦Ä § KCMX
ŸM($v;3
ŒkÖ Ðà R fR§}L ö KCö
=>2-†-M
´`{E ”Ä_ êëÎN R¦Ä ñ KCNU
9CF#};*
Œq[“™S aG‹}L R¦Ä { KCq
ADK0‹K0
YËŸWd[E aG‹}L R¦Ä WY K‚D
AJ=+‹8
‚E· D'liE R¦Ä - åPPY áY_GeN ÃËD Ù K‚E
EML9’O*
åª¢K À–E ‘R„ ãŽ » K‚F
¢:,$nBB
‚xŠD ÔÉÐåL R¦Ä NH K‚N
©I*(e<&
‚LØvA aG‹}L R¦Ä Õ K‚U
œDO#z+)
ŒÀc-}ª[A ‚¿à _fÖb‹}L R¦Ä WY KC 
@HT9ˆ9H
y`D d•™ R¦Ä SC K¤E
¤?NHlI8
J–ñ[±œE EXEÒk b ¤G R¦Ä » K¤G
¢<2)o<R
˜C€œ`-åŸ”R R¦Ä Œ K¤Q
B?%H“.N
Y¶³R R¦Ä WV K¤W
£D45oAB
‚LØÜS R¦Ä w KCSG
 ><YrV5
¤O«±œE …Õžl R¦Ä °—ÎN ÃËD ú KCSV
 AW#s#$
ÒT ãNK _fÖb‹}L R¦Ä ÷ KµB
CNB=Ž4G
JIM ¡§LeN L.B. ÑiS R¦Ä SC KÒB
£?X,nYI
CŸ±S ÔÉÐåL R¦Ä ö KCVN
=@7B…"J
‚Rîœg ÔÉÐåL R¦Ä Š KCVO
EJ;P™/6
Œü[ R ‘R„ ãŽ ö KCVS
=@4X…11
„•L ’S‚¾_ R¦Ä ’ KCÂ
žJLEwF+
‚NƒE-£ÄH ¹¥eN aG‹}L R¦Ä t KCXO
9<3$}6R
Œº[ R¦Ä NV KCXP
DE)F•J"
´éi› aG‹}L Jc× |ÎN ÃËD WY K]S
?G'3†NI
Û±ÎN MY R ÃËD î KÛA
¦DHTk(R
ãºeW ÛG³ß R¦Ä Œ KÛG
B@Q+’M+
ÛN±œE aG‹}L R¦Ä î KÛN
¤B@4m2(
ÓÜÆE aG‹}L R¦Ä ç KDBQ
H6%xH@
ÚD³ Ðà aG‹}L R¦Ä ñ KDDC
<CKNWV
hŒ©R R¦Ä ¬ KhC
žEP#vQW
‚€”N A. YO¿G ÔÉÐåL R¦Ä § KhT
£H6?qB
Ú^` aG‹}L R¦Ä l KDë
 =1/s8Y
ÛL¡Ä ÔÉÐåL R¦Ä t KDHT
=B3„>O
~_ÎN ^EOÚa ƒOŽkLT aG‹}L R¦Ä ™ KK
>LMQ„N%
“U¸‰N R ‘R„ ãŽ t KDLF
<;3@‚LG
‚LØvA ìþE aG‹}L R¦Ä Š KDLS
EKC.—(-
Û±S Õ¡N R ‘R„ ãŽ ð KD”
@>'YŒRY
h§ˆ ÔÉÐåL R¦Ä ö KDô
?>-J‰I.
ÛÉË ÃËD w KDNL
¢?9Yp 4
ÚkR Ð±L R fR§}L/ÚkR R ‘R„ ãŽ h KÚV
§E%Li9X
Óå³ R¦Ä ¬ KDå
ŸGT:v,U
hŽÄ ƒ~ R¦Ä NV KD•
BBC(’Y
A·Ewù aG‹}L R¦Ä “ KDž
›<OT{26
Ó•ˆO “ zbA ‚¿à R¦Ä ‚ KDƒ
@C'#‰K,
hL žO _fÖb‹}L R¦Ä t KDÄ
<;49‚UC
hd_ EXEÒk R¦Ä » KDTS
Ÿ<6t:/
Ó• aG‹}L R¦Ä - ¶ÿR ÃËD OK KÓA
9?V5~5H
vSE ÚUû® _fÖb‹}L R¦Ä ð KÓG
@=9Q‹B.
Óág aG‹}L R¦Ä å KÓJ
¥G(HlSU
h±LS “ÿ aG‹}L R¦Ä ™ KDVL
;N$V€T>
Ûó·Y ÔÉÐåL R¦Ä µ KDXR
¨G40g:V
DY‡S R ‘R„ ãŽ t KDYS
;>7-Q/
ÿ›Y aG‹}L R¦Ä › ÿ
;FIC6
åˆáÖ …Õžl R¦Ä Â ÿb
EM5V–*7
´IP¨Â îœé aG‹}L R¦Ä ’ ÿAU
JQWy;!
ËIZÍâH Ðà aG‹}L R¦Ä & ‚®T GUD R db‹N x ÿCG
¦B-Dj(;
†ÂùS R ‘R„ ãŽ Œ ÿDW
B@TE“S)
›†€S R¦Ä Œ ÿ†
B@KYC5
œ`T ¹PK_S R¦Ä NH ÿi
©HSTf.-
ïËÏ ‚¿à R¦Ä l ÿâ
Ÿ?(CtLX
Ë‰ˆeN R¦Ä t ÿFD
9;B8}'>
¶ûE ‚¿à aG‹}L R¦Ä ‚ ÿ³
?ED?ˆU#
Óÿ ÃËD » ÿGI
Ÿ<Et=4
ÔR•Y ÃËD Œ ÿKA
EFN*š$M
ËK_S-•™|PH ‚¿à aG‹}L R¦Ä WV ÿKN
¤DS5mQ:
ËKO aG‹}L R¦Ä NV ÿKO
CFO<‘M=
Î{H K`ÞS aG‹}L R¦Ä b ìOD’N ÃËD  ÿLD
›?+.zNN
Ë§• ‚Ö_G aG‹}L R¦Ä q ÿLM
¦H'BjS<
ËY ÔÉÐåL R¦Ä ô ÿŸ
MO:yOQ
ËY R¦Ä YË“™ ÃËD NV ÿLY
BE/YP=
îxE R ‘R„ ãŽ OK ÿ™
:B23TY
²™OkR R¦Ä { ÿNV
BFI%R
ÿ£ïA aG‹}L R¦Ä ’ ÿn
ŸHAKuUF
cè _fÖb‹}L eM žD³ ÃËD å ÿž
¤H"Yn(8
hL¯ ‚¿à R¦Ä § ÿSC
 KI6u#1
‡€R MY RÃËD / ‡€R aG‹}L R¦Ä “ ÿSF
›=5Ez/E
Eî¾±œE aG‹}L R¦Ä _ ÿVV
ŸD +u=W
Eî¾eN-U_¯ ‚¿à R¦Ä-ÜÖS ÃËD WY ÿVW
AG.; $
›W D‘ù aG‹}L R¦Ä ” ÿWB
©GF@dW7
‚®¯L Œƒ‰} aG‹}L R¦Ä x ÿWN
¥A"5k @
ÿY ²d _fÖb‹}L R¦Ä » ÿYW
¡6?4oKA
ýLÿR MY R ÃËD î KFAF
¦C%WjB>
FAYâf±œE aG‹}L R¦Ä - y`ÉS ÃËD x KFAY
¤@Y:lRO
­MÕ¾ MY R ÃËD x KFBG
¤A%TlV*
ÜßS AAF (‘Ä Œº[) R ÃËD ‚ KFCS
>DFH†K7
Ã™“Y R¦Ä ò KFDY
¢GOqF%
Wž¸T-åßcÎN R ‘R„ ãŽ ò KäO
¢EO@r T
FžÛY ¡RáR R¦Ä Â KFHR
FN=7™;
­c• ±dA ÔÉÐåL R¦Ä / ‰BÏ MY R ÃËD ð KFHU
@=A-Œ2T
k}ˆO aG‹}L R¦Ä å KFKL
¤G4FmQC
»AGdAä PÇ‰Ý R¦Ä ð K»G
AA&5F)
»Ši„ aG‹}L R¦Ä SC K»O
¤@)%mI8
‘Ä …ÁE EXEÒk R¦Ä MD KF…
¦E#%jK@
‘· ‚ÖcS aG‹}L R¦Ä ö KFô
@BJ:Š+N
å³ ÃËD » KFMY
¡8A*oQN
£ÄjÖ ‚Ÿ•Ú aG‹}L R¦Ä ‚ KFNL
?F8Y‡G
‘Ä ÚD³ aG‹}L R¦Ä ç K‘D
8H?'|):
e¨KA aG‹}L R¦Ä ñ K‘E
9DW!}EO
ª¶½a ‚®T _fÖb‹}L R¦Ä » KF 
¢9;Hn4$
aPUø¢ R¦Ä q KFþ
¨FIIg6Q
”º¡œ MY R ÃËD ñ KFž
:E!)~KQ
jN× ¦d MY R ÃËD OK KF­
;@DY€6&
‘Ä S§^ aG‹}L R¦Ä  KFSM
8A2*|4!
‘Ä dO~eN ¨‚S ‚¿à R¦Ä t KFd
=<TW„TX
ìD”N MY R ÃËD KY KFTK
 CT8sX2
‘Ä WŠ^ …–¡M _fÖb‹}L R¦Ä t KFTW
:>O*3E
FÇeN ‚¿à R¦Ä BƒWN ÃËD w KFà
¡?LKr=/
‘Ä “UhùlE EXEÒk R¦Ä » KFXE
¢8)Pn(-
D•ÿ ÃËD  KFYV
8B0|(*
£Äj®T WYO§ˆ aG‹}L R¦Ä WY KGCC
?J2V‡>2
wùi Ðà aG‹}L R¦Ä ñ KG~
<CUE‚I8
y`D Œq[ }[l åRK R¦Ä ð KGCN
AAW'Ž&O
ÛWÎN ‚MÔÉà R¦Ä ÷ KGDV
?M&.†N7
»OYD üâT …Õžl R¦Ä q KG»
¨I2:gBC
¶d fX® aG‹}L R¦Ä t KGGG
8>5 |HG
û®ìW îœé ‚¿à R¦Ä WOKl ÃËD ÷ KGGW
@N*KˆBT
y`D J¿µ‹N aG‹}L R¦Ä ‚ KGJT
@E%BŠ=L
ìOD“™ ÔÉÐåL R¦Ä ñ KûD
=E4-ƒGY
§D hL¯ aG‹}L R¦Ä õ KûH
œ?:XxY&
S´|‡ _fÖb‹}L b wLkd[ R¦Ä t KûS
8;-U|QC
y¼N±œE ÚWÑN R¦Ä SC KGÔ
¢@PRp3
w_‡±œE aG‹}L R¦Ä » KGNV
¢;G6p.0
yOeN ›W Ÿ™[ R¦Ä µ KìN
¨G1Nf H
yAY MY R ÃËD Â KyF
FM"K˜@R
„•L ›B•rA aG‹}L R¦Ä › KyI
;FX!€0A
K¬€i aG‹}L R¦Ä / ƒÄ yAY MY RÃËD t KyK
:=" OJ
ŽYÕ· êëÎN R ‘R„ ãŽ x KGSB
¥A24kWD
°¼€R Þ~ MY R ÃËD q KGTB
§J!2iI(
ìLhN ªçˆ€ aG‹}L R¦Ä õ KGª
ž?9vA;
G¿ÉÎN ¤‡fD ÜßE aG‹}L R¦Ä ‚ KGUC
?D>#ˆV"
wœUP ÔÉÐåL R¦Ä ö KGUP
@A<HŠM/
ygÎM R aŽRk ãŽ _ KG¥
 FDSt'&
GUYÕN ÔÉÐåL R¦Ä OK KGUY
<BG$ƒ<;
y¼nsD-€»ŠE R¦Ä õ KGWO
?;Hx#0
£ÄH fX® aG‹}L R¦Ä ¨RžN ÃËD t KGYI
9?HQ~F7
¡ßèSÜþ áBÏ L ´N ÔÉÐåL R¦Ä õ KHBG
=-Sw-(
¹ãÄ aG‹}L R¦Ä OK KHBR
;@Y;!#
YÝå îœé R¦Ä ‚ KHDN
@F:R‰+#
”}«® aG‹}L R¦Ä/¡R× P. Û±S ÃËD î KjF
¥DI/k<U
¡Ä‘ù B•_D R¦Ä µ KHFD
¨GJ*fDX
¡³ºeWN aG‹}L ž´D A j¾[ ÃËD MD KHy
¥EH>kIG
J–K £ÄHƒP ÃËD ¡W^Š› ÔÉÐåL R¦Ä Œ KHHR
B?U4”2$
•ˆE aG‹}L R¦Ä ô KÅB
œM5#zP+
Åœ R ‘R„ ãŽ { KÅF
BG%9X5
“ÿ ¡î½ Ðà R¦Ä ð KÅI
A@@,3:
¦Ä“™ ÅœSáƒ R¦Ä Š KÅO
FK>7˜W
Å~ŠY aG‹}L R¦Ä x KHKY
£AJ:o54
°¼‰ˆ ò‹ ‚¿à R¦Ä WV KHLG
¤F(<nDM
j€} aG‹}L R¦Ä ÷ KHLN
CLB6XY
¹œO”N R ‘R„ ãŽ ö KHô
>>Q'ˆ$7
€A ‚¿à aG‹}L R¦Ä ö K¹B
=>G-…+
H·[ aG‹}L R¦Ä SD K¹N
;J5%€+I
ŒÈœ MY RÃËD (‘Ä ŒÈœ) KY K¹P
ŸBF9u;5
…Õžl ÃËD R¦Ä  K¹T
›@:J{#M
²d´‡fR ‚¿à R¦Ä q KHPN
¨G"gH9
á²R”N R¦Ä Â KHQM
FLX.™V+
îœé _fÖb‹}L R¦Ä t KHRL
:8+IE.
á[E ‚¿à R¦Ä  KHƒ
›B-G{'/
H·LÜÄ ÃËD » KHÄ
Ÿ<7FtG3
¹…d¶D R aŽRk ãŽ » KHd
¢7;1n5
ªI-dbE R¦Ä / §LeN J. ýþ¥[ ÃËD WV KHTS
¢D4p?;
aDd[E MY R ÃËD l KHUA
Ÿ@FItG#
fRa ¡{E aG‹}L R¦Ä, HÇ”N ÃËD _ KHUF
ŸE9#u09
¹ÇeN _fÖb‹}L R¦Ä … KHÇ
«L%5aM>
H{´_ÎN ÔÉÐåL R¦Ä ñ KH{
:D!VQD
T²† ›W ¡kN R¦Ä µ KHVN
¨G-LfS.
¡Va Ðà ‚¿à R¦Ä ÷ KHVR
BN>;‹KL
£ÄH ¨R× R¦Ä » KHWO
¢8"n,9
ÅLeN jÁ R¦Ä SC KHXD
£>+:nGQ
Œ¨ ‚D wfÂY R¦Ä ” KHYA
©GF'd.O
ÞN ”R‚S aG‹}L R¦Ä t KHYI
:;S@QM
ÞWYc ‚¿à R¦Ä ’ KHYR
L=y8E
¡YS aG‹}L R¦Ä ñ KHYS
;DPF.5
£Äj®T ò‹ aG‹}L R¦Ä ò KHZY
¤GLGnGJ
˜‚üËL R ‘R„ ãŽ ñ KçB
:CC1.$
ÉAw• FlLS _fÖb‹}L R¦Ä q KçG
¥I$8lVL
ÙA¹ FlLS aG‹}L R¦Ä Ù KÙA
BI<SŽ".
“U¸‰N ÜœjÁ _fÖb‹}L R¦Ä ð KIFP
BA'/?@
K_G”N R¦Ä ð KIGM
AA-@V/
y¶fR K`Kí¼ R¦Ä ¬ KIKK
ŸG"/uPM
’L§ˆeN RåRK ò K¬N
¢E7FqM>
‘ù R¦Ä § KI÷
ŸKO'v$R
’NK€R ‚¿à R¦Ä t K_K
==LM…*"
FlLS _fÖb‹}L R¦Ä ô K_L
›N?X{6)
S§^ aY£LDS R¦Ä x K_T
¤B&n+1
’¾ŸW ‰™þH aG‹}L R¦Ä ð K_W
@A1ŒI5
IÈcçL ‚¿à R¦Ä Œ KIz
A>P%‘@8
’œçõ¦Ä aG‹}L R¦Ä å KIPT
¦G,>jU3
KÊñ±œE aG‹}L R¦Ä Õ KÊK
›F#Cz>H
Kg­M…E wfÂY R¦Ä » KgM
¢:/5o8,
K_d[ aG‹}L Jâ¦Ä b dl‰ˆS ÃËD x KgO
¥A1SkB>
Ÿˆ g“™ ”ŒÄH· R¦Ä q KgP
¨FMMg$$
—¡Œ eÈK_S aG‹}L R¦Ä q K—H
§H;:j9<
J–ñ[ ¹€ R¦Ä WY KJ–
BIB8ŒJ/
ê›Sáƒ ÔÉÐåL R¦Ä  KJBR
AOTxDM
KIm€ ‚¿à R¦Ä t KJµ
;<<GKO
´A{AUÆA ‚¿à-JÝ‡eWN R¦Ä q KJHW
¥H'-m-,
JÇçN ŒRƒœ R¦Ä KY KJKL
¢CADq1 
êz_ aG‹}L R¦Ä Õ KJLN
8C'$|;T
JÝ‡eWN aG‹}L R¦Ä ™ KJõ
;LUM€FH
êëd[ aG‹}L R¦Ä x KJNX
¥A>9l57
‚xŠD-åD³ß aG‹}L R¦Ä x KJQF
£A5.nH?
êë ÔÄ¡ êëdÑN ŒmžA ‚¿à R¦Ä å KJd
¥F0XlP 
§D-ÂY aG‹}L R¦Ä t KJWY
:>9=~TK
J–ñ[ ‚¿à R¦Ä/aY£LDS ÃËD § KJXN
¢H-Dr9M
Î{H²d Âï_GeN aG‹}L R¦Ä Â KKLS
FL%#˜SS
Î{j®T ‚Ÿ•Ú aG‹}L R¦Ä ‚ K“A
=D!Y„G;
P·ÓE ¿Ikº—Y R¦Ä _ K“F
 F6LtV4
“•§E aG‹}L R¦Ä WY K“R
?G0J‡F<
“WeN ‘Ä ­œ aG‹}L R¦Ä OK K“W
;@@"€7
£LD åL…R aG‹}L R¦Ä å KL
¥F.?m6/
£ÄH zbf aG‹}L R¦Ä €E vù ÃËD › KLBF
<G%@‚G 
‰•L §D-Ýc¢A aG‹}L R¦Ä ñ KLø
<C E‚WB
LØÄ[ aG‹}L R¦Ä x KLBT
¤@BEm!@
fX® GÇF ‚®T aG‹}L R¦Ä t KLBX
9;$=}9J
“ÿ ´€S aG‹}L R¦Ä “ KL´
›<%@{+6
€ã£N ÔÉÐåL R¦Ä NH K€B
©IC@f0-
€‡Üþ _fÖb‹}L R¦Ä » K€E
¢:O5oN=
“ˆ€Y R ‘R„ ãŽ î KLÃ
¦C"Xj3D
`³‰} ‚¿à R¦Ä t KLFK
8=, |K
“FAYâf aG‹}L R¦Ä “ KLFT
›<*1yY-
ŸwN-Œ´E R¦Ä { KLGU
BGM:Q%
Õ¢ËŸ ÔÉÐåL Ë‰S ÃËD  KœQ
œ?D1yK"
¤bc “ÿ-K“”^ aG‹}L R¦Ä Š KL÷
EH'4—IY
H¿T ÃËD WY KL™
AHNUŠIN
“x®fR R¦Ä å KL¾
¦F%0j/L
hRÏ ÃËD NV KŸL
DF!Y”?T
áW”N ÃËD KY KŸU
 D+GsEO
Ÿ™[-‚RvN R¦Ä/”³E ÃËD KY KŸZ
¡C"Vr#$
‰ß€ ƒ~ R ‘R„ ãŽ  KLRF
›@Uz&Y
“S ¤U„S _fÖb‹}L R¦Ä ö KLÌ
?>/4ˆU1
“ ¤O«E aG‹}L R¦Ä ’ KLŽ
IRJy-6
“WÎN MY R ÃËD w KLSF
 >1WrY/
›œg R ‘R„ ãŽ NV KLSV
BB,(‘  
l©S R ‘R„ ãŽ OK KLTS
;@F .
LUÿ R ‘R„ ãŽ ð KLUF
A?>$Ž4Y
Ðx_} ÔÉÐåL R¦Ä L¿ÿN ÃËD ò KLUK
¡E$&r7&
§«‹N ÃËD ÷ KLVM
BKGXŒ8S
“S kwS ÔÉÐåL R¦Ä ö KLVS
>AE-‡&=
y¼óžc îœé R¦Ä WV KLWB
¤CQ:n6 
“WaxE ÔÉÐåL R¦Ä ” KLWM
©HI e%6
€’d[ ›Z ¨R„ ‚¿à R¦Ä Ù KLWS
DL4:“T
€’dÑN ÔÉÐåL R¦Ä ÷ KLWT
BM T‹9X
LYxHÜþ aG‹}L R¦Ä -  ‡eN ûiN ÃËD î KLYH
¤C1Bm*
§D“™ _fÖb‹}L R `D À–E ¦Ä t K”F
<=V?„*%
ÕBžD³ ÔÉÐåL R¦Ä SD KmG
<K>M‚6;
˜‚m-æÿ ‚¿à R¦Ä / êë E €’S ÃËD õ K˜B
œ=(Ix:1
˜C€œ` RÃËD Œ K˜C
DDF!—6"
…R„D aG‹}L ”¤¶DY ÃËD Œ K˜E
CC/#–<P
”Cœ R ‘R„ ãŽ » K˜F
¡9PWp=.
˜‚OK N ›LÎN aG‹}L R¦Ä › K˜K
<F*:‚A@
§DD€ ³ŠGç aG‹}L R¦Ä w K˜N
¡>G@qDW
”ÎN Ðà ÔÉÐåL R¦Ä ç K˜W
›I'A{1M
Î{jÖ ¬‰£g R¦Ä ¬ KMDH
žCLGw-%
ÿY ÃËD / …ž` aG‹}L R¦Ä õ K…I
ž>1WvK%
Œd€ R¦Ä Œ K…R
CC4P–@#
”¾ÃËD “HM aG‹}L R¦Ä ò KMFD
£FO/p=
˜l€N §œc _fÖb‹}L R¦Ä t KMý
:8(@€,/
§´IwN Ðà ÔÉÐåL R¦Ä _ KMGC
 GH*tO.
ÚBv¾ R aŽRk ãŽ w KM³
¡?TUr<Y
Õì…× aG‹}L (ÛüËLY ÃËD) R¦Ä l KMGM
Ÿ>0 t5D
Õþ`eWN ÔÉÐåL R¦Ä ÂLfR L. (vœ) ¡Ä ÃËD WV KMGW
¤EDBmU!
”N¡ß` aG‹}L R¦Ä ñ KMHK
9E&:~F-
Þ¤Ýie ”^c R¦Ä Œ KMHR
DD?/—/S
§£T R ‘R„ ãŽ ™ K§B
=N6Vƒ3;
h“Âa ‚¿à êëÎN ÃËD _ K§E
¡F,>s5K
§œ±œE ÔÉÐåL R¦Ä NJ K§V
§E4"i"2
´€S B. °¼€R ÚWÑN R¦Ä Õ KMKC
8E%6|A@
ÔrEìN ‚¿à R¦Ä § KMKG
 I((t,0
˜ÿœ-­¨S aG‹}L R¦Ä ú KMKL
žABvTV
˜ l‡fR aG‹}L R¦Ä OK KMLC
9@RW}M
§€S Ðà R¦Ä - F•NK ’€Y ÃËD ÷ KMLS
@L7D‡S%
ÕNƒE aG‹}L R¦Ä “ KMLU
›><Ez .
˜ ia ê_T }[l GUD ãŽ SC KM÷
£?U-nN#
ÕRždÑN ÔÉÐåL R¦Ä NJ KMÔ
§FMWh6T
˜ §ü±œE ÔÉÐåL R¦Ä Š KMMV
EK)F™&(
Õv€ aG‹}L R¦Ä l KÕB
ž<G:v,@
ÕhdO Ðà ‚-¡R× ïÝ ÃËD Œ KÕD
DCC?–W,
†Âù F K}PP dbE R¦Ä VT KÈV
©J*+f?J
SMYÖA R¦Ä ú KMQY
ŸB>t=*
¶dcN WV aG‹}L R¦Ä/ïEPjù ÃËD WV KMRB
¥E6%kY#
Õcé aG‹}L R¦Ä Œ KM×
CBA*—PE
£ÄH²d lÍÝA aG‹}L R¦Ä l KõL
Ÿ@JHuBM
Û› ‚¿à aG‹}L ªUAX ÃËD ’ KõN
žI&6w2-
”«iA _fÖb‹}L R¦Ä ž´DS ÃËD q KõS
¨JV(hPE
ŽLFžD³ R }[l GUD ãŽ R¦Ä § K÷C
£HBNpP+
»ŠÙA ÿYS ”•^[ _fÖb‹}L R¦Ä » K÷H
¢6I@o!#
ÕƒŽ aG‹}L R¦Ä ‚ K÷J
@D<A‰SD
”Ä_ dbE R¦Ä MD K÷N
¦E1?j6P
ÔÊ MY R ÃËD (‘Ä _`eWN wP) R¦Ä å KÔI
¦F8%j@%
Õ¿¯_ ¹… R ‘R„ ãŽ Ù KÔO
CI C‘R1
kf•¾ R¦Ä OF Î{jÖ ¬‰£g ¬ KMÂ
žCK"w
y`T ‚¿à _fÖb‹}L R¦Ä Â KM°
EM*:•1*
§›•L ²œS aG‹}L R¦Ä t KMWL
:>LT€!C
”X²œ R ‘R„ ãŽ l KMXF
Ÿ>4Xt3W
˜Œœ ÔÉÐåL R¦Ä Ù KMYL
DJS2’$"
YUã ‚¿à R¦Ä Œ KMYV
DE#R—@*
AU‘Ä ˜® - …Ržß ÃËD SC KóC
£>:EnI6
›W Š€`S }S JRB/l±N ŒœihR ÃËD “ KóG
;O=x $
˜® ›W žkR / ˜ÒT´E[ ÃËD x KxA
¥@H<k85
°—_G ÃËD }îL R db‹N Î{H R¦Ä » K™Z
Ÿ<H.u5
“ÿH·d ”XÃËD ÃËD R¦Ä NJ K›L
§F h3*
“ÿFƒ R¦Ä “ K›W
< ?xH
ŒÈ ¨™€eN ˜® (Ôü ÃËD) R¦Ä Œ KNFG
B?0#“30
FlŸN }îL R db‹N NV KN»
CE7”H"
}S ‘Ä WŠ^ JRB / Œº²œ ÃËD t KNFW
:>L'8;
}îL R db‹N ‚RP¥ ´ždI ªUAX ÃËD t KˆP
:9G?/:
£R‘LK }îL db‹N (´Ýº ÃËD) î KˆU
¦BV-j/3
å©XiT žkR }îL R db‹N (ªAP›œ ÃËD) MD KNHK
¦D/(j6H
´_A “ÿ }WS (§¯³ ÃËD) R¦Ä Œ KÉD
CAG%“G=
J–ñ[±œE }îL R db‹N (e²º ÃËD) » KÉP
¢<,'oFP
Ë „ƒ }F R¦Ä (V•ÐU ÃËD) Œ KNJK
B>OK‘F1
´c× ¦_T ˜® / Òü_¸Ý ÃËD/ x KNKT
¥@T!jRQ
§•”R ”ž› ‚RPS R db‹N - §TS´c ÃËD Œ KNKX
B>R$“&A
€ÕŠE }îL R db‹N (aEkS ÃËD) R¦Ä Œ KNLC
CB1Y•W%
}îL R db‹N …ž` / ˜Œ_ ÃËD õ KöM
ž>?)v?-
}îL R db‹N ¨¾–|A ‘Rad ïc”N ÃËD » KNå
ž<3(u1%
§œ_GeN-…ÈÅS R¦Ä ú KNQA
A36wR+
K_GS±œE }îL R db‹N t KNQI
:9<8NA
}îL R db‹N ÿY ²d/áŒ ´¢A ÃËD » KNQX
¡6@?oG2
}îL db‹N ”Y¦Ä / Á§•L Û±D L ˜Ú}LD ÃËD » KNRB
¢<5:o7;
°—_G ÃËD }îL R db‹N - £ÄH » K¾E
Ÿ<I9u1
¦_T ÔGU }îL R db‹N (}îL ãŽ k·A ‚) Œ KD
C@%+•%.
O„`A }îL R db‹N î KU
¦BO-j 
ÕäâT ýh•L RÃËD Œ KNUQ
DC6X˜ V
°ÙY g“™ }îL R db‹N (AÇT ÃËD) Â KNUW
FN3$˜E4
T²YÉ› åLõ d•fG¢ EX¨[Y “™_G ÃËD Œ KNXP
B@/L’'I
Æ`‚ ”ž› ‚RPS RÃËD / ©Öc ÃËD î KqG
¥D<$k01
£ÄH g“™ }îL R db‹N-¡LŽY ÃËD Œ KNZY
B>GW“*T
lÄ J Ë‰S R¦Ä x KOAJ
¥@OKkBJ
Oä{T R ‘R„ ãŽ › KOä
9G%(}T=
KL dEF` …Õžl R¦Ä › KOFK
:GY&8$
Š`³Üþ ÔÉÐåL R¦Ä SC KOGB
£?96nQ@
OGhN ÅxK€Y R¦Ä { KOGD
BG)KŽI
OGh¾Üþ _fÖb‹}L R¦Ä q KOGS
¨JFUi9V
L M C“YeN R¦Ä ÷ K|F
@N#F‡@<
|YÈç aG‹}L R¦Ä Â K|M
FLX(˜T)
£w€S _fÖb‹}L R¦Ä ð K|S
@=7"ŒPS
‚LØÜS ÔÉÐåL R¦Ä › K|U
:G8S27
[¯žO ÔÉÐåL R¦Ä Š K[O
DJ)“N
›W¦Ä ÔÉÐåL R¦Ä Š K[P
EJ@Oš!;
§ÝI-Oå Ÿ~A EXEÒk R¦Ä » KOPF
¢7T7n.H
Æ[ŽT dbE R¦Ä ž KOÆ
©GAPe6J
WŠ„dc aG‹}L R¦Ä ” KŠH
©H. eR?
Š“™O EXEÒk R¦Ä » KŠL
¢:>Jo1X
ŠŒS g“™ R¦Ä Â KŠS
FNH<˜TB
’ß”N aG‹}L R¦Ä ’ KOï
ŸIY"v?7
^E ò‹ dbE ¿Ikº—Y R¦Ä - ÚN S‚ß ÃËD ò KO½
¢F"Mq"5
Î{H²d ŠEìN aG‹}L R¦Ä Š KO^
EI7 š,L
OßØÂ aG‹}L R¦Ä ç KOTM
œG$5z8Y
ÑiSáƒ Û±‡S ‚¿à R¦Ä KY KÑB
ŸCJ6u(
£RWsD …Õžl R¦Ä ” KÑD
©H)8e(4
O„` Ðà ÔÉÐåL R¦Ä MD KOXB
§D0Ci%8
OX}ù R¦Ä Œ KOXR
C@*!•*7
ŒÊ¾ AAF (‘Ä Ì~c) R ÃËD l KOZR
 =.?sHN
ãRK€Y aG‹}L R¦Ä KY KåH
žC!EvL8
à™lL R ‘R„ ãŽ » KåM
 <")s@=
åŸ le R¦Ä Œ KåO
DC9F˜$T
æ› øUä aG‹}L R¦Ä, yÙc ÃËD  KPBF
œ@(9yV&
ŒRL R ÿœc ÃËD ò KPCW
£G<VpR$
hKlB ¨–Hª¼ R¦Ä w KPDK
¡?RAr0&
¶dcN ŠEìN aG‹}L R¦Ä b ¨™€eN Š KPDT
EKGH”P:
å³ ÔÉÐåL R¦Ä ð KPw
ABU98R
P¿¯ ìùA R¦Ä » KPGD
¡8U+oY8
æß-y¼N±œE R¦Ä x KPGV
¥AD&k5!
›W¦Ä ›WS ’œçõÜþ _fÖb‹}L R¦Ä î KPHF
¦C%Uj;A
¡ßèSÜþ “·Ë aG‹}L R¦Ä õ KæB
=: w2,
¦ŒfœO aG‹}L R¦Ä Ù KæH
BHTAŽAL
æca aG‹}L R¦Ä SD KæR
<J4X‚/(
§D ò‹ îœé aG‹}L R¦Ä WV KPKB
£E2Ho83
¨œd[ aG‹}L R¦Ä OF EM…T ‚¿à R¦Ä § KzN
¢K@-rMN
åLMÛ€ aG‹}L R¦Ä / ¥AF z`T 42 R¦Ä Œ KPMD
B@CL”#$
•LPH ²NZ ÃËD WY KP}
AHMJ‹N7
¦xA Ðà aG‹}L R¦Ä OK KPx
:BIU#Y
£Äj®T PÅ“hLPÅA R¦Ä å KP›
§F"WiD
¦¨ ÃËD x K¦B
¤A(-mR
¦LK MY R ÃËD “ K¦E
›= G{)<
ÓT´‡S ‚¿à R¦Ä q K¦U
¨GCBgS!
 ‡ÆE g€ _fÖb‹}L R¦Ä … KPQI
«LG2b G
åÎ ƒø‡ ÔÉÐåL R¦Ä Œ K B
CAF4–CC
 ‡‚ß aG‹}L R¦Ä - c›d A. Ÿk ÃËD ð K C
A@E+Ž7*
‚X ÃËD t K X
9?D*}9!
ªI Ð‡ R¦Ä Â KPSC
EL-S•%&
¦ÄSÕ{H _fÖb‹}L R¦Ä b ¨®E NH KPSM
©I"FdO6
åLM ÀžˆS _fÖb‹}L R¦Ä Œ KPÀ
B?OM’<7
Oí“™ ‚¿à _fÖb‹}L R¦Ä § KPTK
¢HEVq7*
PUEøO …Õžl R¦Ä ‚ KPUB
>D/3†;O
PÇL”N-ÕS‚W aG‹}L R¦Ä Â KPUW
DLJ<“$H
 OVO ÔÉÐåL R¦Ä { KPVU
BF+&I3
´¢Aì EXEÒk R¦Ä ¬ KPWK
ŸH$QuT#
Ba…Ä[ }[l R¦Ä Â KPWT
FM;7˜KT
žkºÙE ÔÉÐåL R¦Ä Œ K•L
B?W%“8H
•æD Ðà aG‹}L R¦Ä SD K•P
>J I…!7
aD øUä ÔÉÐåL R¦Ä Œ KRø
DF'!˜-%
ËLSWŠ^ R ‘R„ ãŽ SD KRŒ
>J&H…$,
aDˆ ÔÉÐåL R¦Ä Œ KùD
DF<>˜/A
aÁ_G aG‹}L R¦Ä (ŒRL A ÀAbZ ÃËD) å KùG
¦F4IiWU
ƒÄS ÃËD Š KùM
EJ--—'
y`D ‘Rñ R ‘R„ ãŽ ™ KùR
:MWF6"
„•L ÿU~Y aG‹}L R¦Ä KY KþA
¡CCQr1V
RÅ›“™c [EÙA ‚¿à R¦Ä ’ KRÅ
žKCRw:!
²dcN Œƒ‰} aG‹}L R¦Ä x KRHP
¡A)IqQM
wRÃËD ‚¿à aG‹}L R¦Ä ‚ KžL
@E=A‰IC
”R´ R aŽRk ãŽ Œ KžV
B?RQ“->
„•L WYO§ˆ aG‹}L R¦Ä WY KžW
AI!QŠ9B
K£X ‚¿à aG‹}L R¦Ä … KRKD
ªJ!Bc#W
Î{H²d WYO§ˆ aG‹}L R¦Ä WY KRñ
AGAE‹!T
yIägS _fÖb‹}L R¦Ä q KR…
§I, i67
ž´D B Ì«ËL R¦Ä w KRMG
 @3 s';
•™|PH R ‘R„ ãŽ t KÖD
:;=M€.J
›W ž´Õ™ aG‹}L R¦Ä ’ KÖH
œK&Tz>/
ƒ`Oÿ-ø–ñÜþ aG‹}L R¦Ä î KƒA
¤C1>mX=
ƒS²œ R „c R¦Ä ö KƒW
>?0$†=R
Ì«ËL ÔÉÐåL R¦Ä ñ KºL
;DR2€NH
Ìš`D - Î{jÖ kRÕ aG‹}L R¦Ä VT KÌT
¨I=LfVY
©LÞ žkºÙE R¦Ä OK KRVS
9B 5}Y#
aDWsD FlLS ÔÉÐåL R¦Ä ô KRWF
8J>P}"V
ƒ~Y Õ¿T ’LÎN aG‹}L R¦Ä x KR’
¥AQ5kS=
•W‰¾ ÔÉÐåL R¦Ä/¡RkY ÃËD WY KRWL
@GN2‰*
‚BB ‚¿à _fÖb‹}L R¦Ä-˜‚œØ ÃËD w K×Y
¡@MrAP
Þ¤Ýie EXEÒk R¦Ä Œ ñ–
DD<K—;A
ÞA ý ÔÉÐåL R¦Ä ö ñAF
?AC ˆ#2
ÞA ãRã• ÔÉÐåL R¦Ä Œ ñã
C@7@•P6
ÞN LUg ‚¿à aG‹}L R¦Ä Œ ñBP
CA,*–D=
Þ‰SÜ× O„` Ðà ’‚§‚ aG‹}L R¦Ä MD ñÏ
¦D28i<C
S´iEµÁY ‚¿à R¦Ä q ñ´
¨HQ'gUJ
dO~eN …ªO¦‰¯N R¦Ä Œ ñ~
DCSB—,/
BƒWN ÃËD ÔÉÐåL R¦Ä Œ ñDM
B>@4’XN
­D›Y - ž´“™ aG‹}L R¦Ä ÷ ñDY
?MH1†)F
ýLTS ÃËD Â ñä
EMFX“11
ÀžˆÃËD-~€Y ÔÉÐåL R¦Ä ò ñ¸
¢EP7qP7
£Äj®T »ŠÙA aG‹}L R¦Ä » ñGJ
¢;W?o25
½wR “™ aG‹}L R¦Ä t ñy
9;C2}E5
d ³Š³ aG‹}L R¦Ä { ñGU
BC )<C
ïi`ÚAH îœé aG‹}L R¦Ä î ñHD
¥D-PlSM
ïcÙ` ‚¿à R¦Ä WY ñHR
@JL'ˆXN
ïak¦Ä aG‹}L R¦Ä “ ñHV
8>8N{O>
ÞN `³Ÿ aG‹}L ”^g ÃËD t ñJT
<=3:‚;L
FR´¬D R ‘R„ ãŽ Â ñKA
EMBT“E4
“~“™ R ‘R„ ãŽ t ñKF
;;5!€@R
¯OS aG‹}L R¦Ä ö ñKX
?B9'‡FE
Þ€M-’œÝâf îœé R¦Ä/˜}× ÃËD Š ñ€
EJT@™)
ŸS lÝ—OS MY R ÃËD Œ ñ‰
B?M6”!%
ÁÊ[Û~ aG‹}L R¦Ä q ñLK
¨J5+h*/
Þ‰} ÔÉÐåL R¦Ä ñ ñLN
:DM:E&
“ÿ Òmc“™ aG‹}L R¦Ä KY ñ…
¡C!*rBW
€MÅ ‚¿à R¦Ä Ù ñô
CK%2RU
ÞA ÕÉŒ ÔÉÐåL R¦Ä Œ ñÕ
B@W”9"
ÞA ”žA PUø¢ R¦Ä ŒP¯_ G l“N ¡xO~ ÃËD Œ ñMX
C@SV–97
Þ‰}S ÔÉÐåL R¦Ä Œ ñ¾
CBEL—B4
­D›Y ÔÉÐåL R¦Ä œOYD W ŒRR ÃËD › ñq
=G$#„Y$
Î£• ÔÉÐåL R¦Ä t ñOA
<<A'‚DV
ïÑ ŸW aG‹}L R¦Ä ð ñÑ
@@-QŒ8
’´—A FlLS ÔÉÐåL R¦Ä / ïEPåù R ‘R„ ãŽ t ñPS
;?Y2€;=
ÞN ŒRŸS R¦Ä Œ ñQL
DC<M˜-!
­c• ø`Œ aG‹}L R¦Ä ö ñRR
>?9L‡>$
ïAW R ‘R„ ãŽ SC ñSC
£?X4n:,
d_ÎN ÔÉÐåL R¦Ä t ñSF
:;2+€:.
d ­Õ¾ g“™ R¦Ä w ñ­
¢='$o5;
Þ_T CŸUD aG‹}L R¦Ä ô ñTC
›K>N|!B
ƒŽ¤`S …Õžl R¦Ä Õ ñTJ
8EL1|TA
Þ_T åÇ ÚWÑN ¹L”N ÃËD ô ñTP
›JV#{!B
´€S M. S´ÇZ Î£” ‚¿à R¦Ä Œ ñTS
DD<>˜NM
Fž†”N …Õžl R¦Ä Ù ñ¿
CI<./L
ÀÊ— OF d ŸUg R¦Ä Õ ñ¥
DEJxE%
ªA±S R ‘R„ ãŽ Œ ñUU
DD-L—UC
­OUX wfÂY R¦Ä / Bžwc ³›•L ÜD ÛY ÃËD ç ñUX
9H5Q~4V
Þ‰› ‚¿à aG‹}L R¦Ä  ñUZ
›@A8z:L
y`T ‚¿à R¦Ä ö ñVC
?>D*Š'/
H¿fR MY R ÃËD w ñVN
£>Bo&K
Î{H îœé aG‹}L R¦Ä { ñVR
BFC(YA
d¬LÂfR aG‹}L R¦Ä OK ñWO
:B'J#&
°—E”N R ‘R„ ãŽ Õ ñZL
›DIO{>R
ÂY›S±œE-d. ƒÄ aG‹}L R¦Ä-‘Öé ÃËD Õ KTBN
œCJ<z&9
©Ò˜I ÔÉÐåL R¦Ä ö KTCC
=A(X…B)
©SŒŸOÞ }[l R¦Ä l KTCL
ž?+,uBG
˜´ŠD R ‘R„ ãŽ Â KTCM
FM&.˜:@
ª{H Š ‚¾EÆi„S ÔÉÐåL R¦Ä ö KTCS
??,+‰.1
ffRáƒ R¦Ä NJ KfB
§FQh!E
fœ·ÙE aG‹}L R¦Ä ‚ KfX
@CW,‰T;
NÿR R ‘R„ ãŽ OK KK
:A6S5*
¯‚” }RƒWS R¦Ä Â KW
FM.!˜@D
À–E ‚®T aG‹}L R¦Ä » KX
¢:<SnMW
§ÝI EXEÒk R¦Ä » KTm
¢7DRn7X
ªOY ÔÉÐåL R¦Ä b N ÿüâH ŒÈœ ÃËD l KeI
Ÿ=QCtJ
EU³› F. K•NZ e€Ú EX ‡S R¦Ä ò KeL
¢GA*qN:
PÅ‰P vœD ÔÉÐåL R¦Ä ñ KeP
9E"*}C3
e£åH R¦Ä NV KTPH
CD!C“#+
D•U¸[ §œc „•L fX® aG‹}L R¦Ä t KTz
:=''6:
ªI-Ð‡ aG‹}L ú/î R¦Ä ú KªI
¢B:=p69
ªU~¼ ¯¹E R¦Ä Œ KªK
DE1%–&8
J–ÆË_E ‚´•N aG‹}L R¦Ä Œ KªM
B?CB’'B
¦Ä“™ ªO{Û€ R¦Ä Š KßD
EK>X˜6"
ªieN …R„R R¦Ä NJ KßN
§F.BhNO
À–E »ŠÙA “¿´ `D “™_G F–¬—Y » KßS
¢:BTnGF
©¨Ÿ aG‹}L R¦Ä õ K©P
ž@.#vL*
^èF žkR FlLS aG‹}L R¦Ä ô KTVF
9N!W~)$
“ÿ ¯¹E R¦Ä Œ KTVL
DDSD•YH
êS‰N ÃËD ”G¢ îœé aG‹}L R¦Ä Ù KTWF
CH:T;/
fXK`A aG‹}L R¦Ä (²BB ÃËD)  KtK
8?9+{Y:
à€R ¦¿DS aG‹}L R¦Ä t KàR
9>3-}6'
A·ŠA dbE R¦Ä Š KUAO
EK,P˜L*
Æ_] aG‹}L R¦Ä ãLD’N ÃËD ¬ KU_
œEV@y)G
UKçH ÔÉÐåL R¦Ä Œ KUKI
DE%@™*"
dbE ‚œE³ aG‹}L R¦Ä å K¿V
¦FPXkPU
¿Ikº—Y OX‘ù R¦Ä õ KUOX
@5!w>*
H¿TS±œE aG‹}L R¦Ä t K{S
9<JO}A,
ÕODY R ‘R„ ãŽ w KîD
¡<X"q)A
î™iþ À–E ‘R„ ãŽ Œ KVBG
C@J,–A 
±µŠç aG‹}L R¦Ä t KVµ
::Q'~U%
kÖl aG‹}L R¦Ä { KkL
AF8(‹<H
£ÄH “S kwS R¦Ä NV KVGT
BB*?‘)D
±Þ‰A ÔÉÐåL R¦Ä Œ K±S
CB1%•5A
îLÚdA aG‹}L R¦Ä w KVLD
¡<LWq.B
îN NUYS R¦Ä Œ KVq
B@*A”;6
V|K ÃËD ’ KVOK
IV2x-*
¦Äc ‚¿à ÔÉÐåL R¦Ä _ KVPZ
 G9,u8
„ÐL R¦Ä » KVQQ
¢<+%oRB
kƒ –H aG‹}L R¦Ä » KVRB
¢9E2n7"
§œc ÃËD › KVú
<HQ4‚>W
³›•L ’œçM J ‘X RÃËD Œ KWJF
B@J:”+&
’üEÔCŒ ÔÉÐåL R¦Ä NV KW˜
DFSN“N4
ƒv¾ R ‘R„ ãŽ w KWRB
¡>D6qA=
˜ GUÊE R ‘R„ ãŽ NJ KWž
§FVhA<
WŠ“™ ÔÉÐåL R¦Ä WY KWRL
@IWW‰W"
²dcLY dbE R¦Ä ž KWd
¨G2YeN*
Œ¨ ”Y ‚¿à R¦Ä NJ KWWD
§E=hT<
²d WsDÂù R¦Ä OK KWWR
;B8/=4
YËŸWd[E R¦Ä ÷ KWYS
BJG0%#
Œ¨ Œ}k•L SFS rÙ džP » KXMR
¢::!n@
£ÄH²d K`ÞS }[l R¦Ä  KX}
8B.U|06
¹…Y (¶ 51) R¦Ä NV KX¯
BC,$‘NF
’œgeN ã­N _fÖb‹}L R¦Ä ™ KXÂ
>N-E…K"
’œÑ ÌN R¦Ä § KYIP
¢H,.q=O
YíI” R fR§}L ˜l‰dc ÃËD Â KYKM
EL@$–>D
´` G·›Y ÔÉÐåL R¦Ä SD KYKN
:HU5'
YO¿GdÑN ÂRaN aG‹}L R¦Ä ò KYˆ
¤G-EnFK
Z`‡±œE ÔÉÐåL R¦Ä ò KZZV
£EVFoS>
ãÿºÃËD _fÖb‹}L R¦Ä Œ L45
CA1;”YL
ÂRaN "ÜD" WsDS åL…R ÔÉÐåL R¦Ä í åAQ
E[AH³#2
ãÄc g“™ Ÿˆ •ˆE •ÛR db‹N R¦Ä í åã
Gd& ­@U
^Ë R¦Ä í å
@ZLM¿P/
l€N MY RÃËD í åv
F]YF¯I1
’€Y ¦d ’œ ƒ³º …Õžl R¦Ä í åBR
Ae/%ºKX
vR´WsD R¦Ä í åBV
E[6Y³<7
‚LD ãY R¦Ä í åCD
@U*:ÀI<
C€ R¦Ä í åCL
E^/Y³%!
…R€ K (ÔD¹€) S§^ R¦Ä í åCV
FZ;<¯:G
Œ¨ ƒ”NZOF LRº R¦Ä í åCZ
>[LOÄ 2
hc_G R¦Ä í åh
?`"&ÀL
Áí R¦Ä í åDK
:QSÎD@
œ_¸Ý R¦Ä í åDL
BY G¼<0
KOí R¦Ä í åDQ
DWK¶;D
eM ”DŽN (ÓT´ ¡RáR) R¦Ä í åÓ
>SSVÄ>H
Ë…™ŠF R ‘R„ ãŽ í å†
E[-$³N8
Œ¨ ›²N¡M LRº R¦Ä í åEH
@XDMÀ!M
EèLÎN R ‘R„ ãŽ í åEI
F^EW±$%
EMÕ}K R¦Ä í åEM
?\M(Â;:
ÿ}I ÔÉÐåL R¦Ä í åi
DZ@-µ,I
“DD MY RÃËD í åFB
F^P-±BP
KíE R¦Ä í åý
HVWG£TC
Ýøc R¦Ä í åFM
Aa$2»Q1
†Âù G. æTKA SR R¦Ä í åw
B^J(ºV+
GÇK`A R¦Ä í åGK
F\'3¯9/
wmËL R¦Ä í åGM
;]L"ÉJ
G¥¯V¥ R¦Ä í åGS
HX7=¥H7
¹LY ¤O« R¦Ä í åHC
A\)0½L<
H¥‰A R¦Ä í åHL
B_GRº3"
¡_‡ R¦Ä í åë
IY,D¥=8
¹…R R¦Ä í å¹
DYDFµ:K
E³GIK R¦Ä í åII
BX)"»4<
áB ãÿR …Õžl R¦Ä í åIK
@`X@¾82
¬çôA R¦Ä í å¬
CYK.¸TF
_` Õ¿¯_ LRº R¦Ä í åIM
C_Y@·H,
K_G ÞLÕN R¦Ä í åKN
BXFFºE%
`í©VUK å« R¦Ä í åKP
Db&µJA
ÿT´IK` _fÖb‹}L R¦Ä í åKT
HU32¡HP
K“WO~ R¦Ä í åKW
HU@K£"@
Œ¨ ‰SÜÖE LRº R¦Ä í åLU
=bR<Ä$B
˜ybH R¦Ä í å˜
C\W(¹B4
…Ržœ ÃËD í åMR
E[*L³PD
…KŠYUK R¦Ä í åMY
>Z42Ä.)
`çK R¦Ä í åÉ
A[@T½>A
›}} ÔÉÐåL R¦Ä í åü
E^>V³":
`›ßE g“™ R¦Ä í å
HU .¡@3
`±K R¦Ä í åNV
A\DN¾):
£… R¦Ä í åOM
>^<JÃ8H
£ÄHÂY R¦Ä í åŠ
H\WG«UJ
•LPH ’i …Õžl R¦Ä í åOT
?`S#ÀAV
d ³Š³ R¦Ä í åPB
=V@DÇEP
¦Ä C“axE ‚®T GUD db‹N í åPC
=_-+ÄQ>
¨fºÜþ JÝ‡ A êëÎN R¦Ä í åPG
HVN$¢VH
¦Ä jÙi R¦Ä í åPH
BVW:¼CO
zb_Ø R¦Ä í åPM
@Y"¿OG
NUIQ½T R¦Ä í åQT
Dd*Bµ4
µ¢ ±œA³ R¦Ä í åRC
Fb$S¯@J
ÌÏ R¦Ä í å×
C^ID¹:*
ÞVsˆA R¦Ä í åÞ
<]G)È;A
hÁ¹ºE R¦Ä í åSC
Ed)G²9T
Þ™ ¦_T R¦Ä í åSD
AU0P¾=2
­TKA ƒ~Y G{èRaZ R¦Ä í å­
HW P¥3I
d åÇ g“™ R¦Ä í åSN
<W'YÈ+3
ÀaVòN LRº R¦Ä í åSV
C[#Q¹@8
ÎLÚúA R¦Ä í åSX
EZ:<µ 0
¯Lÿâ} R¦Ä í åTK
E\1,´#D
¯¯‰} LRº R¦Ä í åš
C\SF¹XC
bQ®UK †Âù ÜÖËL SR …Õžl R¦Ä í åTQ
Ad:»8(
¿lí€â R¦Ä í å¿
@]S0¾MV
îLhZ æ[¼R ÃËD í åVD
F[%X°,N
ŽÂù R¦Ä í åWD
EZ%P³7%
W•ˆËL R¦Ä í åWG
HV;!¢4*
Â_Wž¸T R¦Ä í å’
@dD/½YH
Â­œA R¦Ä í åWS
E[@0³>6
Yí{b R¦Ä í åYA
HY<=©ED
‘Ä YUK[ R¦Ä í PFYU
G`@0¯-
ãRK_G Þ™S R¦Ä Å PHBK
@44½M$
¡} R¦Ä Å PHë
@2MJºP
Å~Ý R ‘R„ ãŽ Å PÅK
@32%»VT
KAåLUA R¦Ä Å PHJH
@2WLºF5
KlAËOA R¦Ä Å PHJR
@309¼"*
ÕŸK R¦Ä Å PHMK
@3'(»#L
ÂI…A KòlA R¦Ä Å PHÔ
@2#¹F#
K`EòE ãY ˜® (”ž[ E. ŒRL ÃËD) R¦Ä Å PëG
@39 »L#
“}I R¦Ä Å PëY
@2M&ºW#
¦_T “Y LRº R¦Ä í PæZ
>cIXÁ0
“ÿ ‚¿ªY aG‹}L R¦Ä î W63
¥BAKl?B
§ÝI ¹…d¶D ³›•L A±b‹N R¦Ä » X51
¢7;Wn?-
`I”S R åRK ‚ 00C
@C**‰R&
BƒÁ¥ R¦Ä ÷ 00F
?K:,‡98
^IG¨N ÃËD õ 00M
=W+w,%
Ü~S R¦Ä NJ 00N
§E:5i)"
‰±ˆd[ ÔÉÐåL R¦Ä t 00R
8<G'}"
˜ÿNZè BžD³ dbE R¦Ä Š 00S
EJ(S˜#(
vG ¹Ö ‚¿à R¦Ä ÷ 00U
AKJF‰ED
Ÿ²R y`—E dbE R¦Ä Â 00W
ELF4“8=
P·ÿYæ€ R¦Ä í 01A
D\V9¶.)
¨R×-ÂºAW R¦Ä q 01G
¦HJ;l!(
Åœçù RåRK » 01J
¢<G&oT5
ŒLD²œ ÔÉÐåL R¦Ä ñ 01K
:C (A%
ïO§ˆO ‚¿à R¦Ä õ 01M
ž@;9v*"
Ó~ÂfR R¦Ä NV 01U
CDPY‘D$
´¬eN ‚¿à R¦Ä / yAGG-Âh ÃËD l 02A
Ÿ>Q tBG
ŒæeL Džk R¦Ä ’ 02C
ŸI#7v(G
‚LØv`A ‚¿à R¦Ä ò 02G
¤FF6nD;
’Ž žkR R¦Ä ÷ 02T
CKL'ŽXU
”¾ÃËD ÔÉÐåL R¦Ä Õ 03B
›C%CzC0
…ÈÅS …Õžl R¦Ä Õ 03D
œF8Pz+C
^c”L G. •xH ûÙc¦Ä å 03G
¤H,n".
Þ™Y žkR R¦Ä Š 03S
EK6$˜+J
F•NK ­ÿS R¦Ä l 04A
Ÿ=J)t-K
“¾ÚW› R¦Ä ò 04G
¤G%PnC)
‚LØÜS Î{H²d R¦Ä ò 04I
¢ETGq)1
ŒL¹¿ ‚¿à R¦Ä õ 04M
?UNw2B
ÞGU–j ÔÉÐåL R¦Ä ‚ 04V
?D#Wˆ(:
ÃËD OF DaÝS R¦Ä ô 04W
œL4zSI
¡W€Y ÔÉÐåL R¦Ä ô 04Y
9LS ~3
yIä—H-…Ržœ±œE R¦Ä _ 05C
ŸG=)u5X
›W eWN ÔÉÐåL R¦Ä ™ 05D
>MX„:G
Î{H OíS AcODƒ… x 05N
¥A:Vk33
kÖ[ç RÃËD Š 05S
FKQ#™,=
E·EKA R¦Ä NV 05U
CEB-’0
ø`Œ R¦Ä ‚ 05V
?C6F‡?%
jü_G ÔÉÐåL R¦Ä ô 05Y
8L0,}84
ÕeN ÃËD ÔÉÐåL R¦Ä l 06A
 >9DsFN
S´AØÜþ aG‹}L R¦Ä ¬ 06C
ŸGY3v$"
ƒœA ÔÉÐåL R¦Ä ™ 06D
<NS!C-
Ðà OF EU¦• R¦Ä õ 06M
?>#w0M
•™lL R¦Ä q 06N
§G7Uh5<
J–K¦T R¦Ä/¡YhN ÃËD NV 06U
CGX@E;
jR”N ÔÉÐåL R¦Ä ô 06Y
9KON~'D
F•NK‰N ÃËD l 07A
 >(sNA
øUE Åœ R¦Ä … 07B
ªJ8Sb@)
ûÁEÂfR ÔÉÐåL R¦Ä t 07F
8>=J|X0
„•L Ðà ÔÉÐåL - “R× a_Eÿ ÃËD › 07K
:G$K€!$
RÔ` îœé RåRK å 07N
¦Fk,
vïOP-’™¡M R¦Ä t 07R
:9BCK'
AØ[T ¹fL R¦Ä ñ 07S
9CE?~=D
Ò´A îœé b “ k¯ R¦Ä ‚ 07V
>C=8‡>
Åœ Ðà-ÆÁ} Õ¿¯_ R¦Ä ô 07Y
›LW2{AO
²©ÈKA ÔÉÐåL R¦Ä l 08A
Ÿ>=Lt1H
…R×…â_G ÃËD … 08B
ªJcS,
žkR±EW R¦Ä § 08C
¡HV'sN0
d`€Y ÔÉÐåL R¦Ä ™ 08D
>N0!„64
Ðà OF ‚lwf R¦Ä OK 08F
9@=T~+Y
¡Rîù dbE R¦Ä › 08K
:FE#€"M
ŒÄ¡³-€íE ‚¿à R¦Ä õ 08M
>KFw=N
ÿœc Bƒ^cS R¦Ä å 08N
¦F/<j1J
ž´Õ™ R¦Ä ž 08R
©G;4eC,
dEk¾-¤OSÏ R¦Ä NV 08U
CG<W‘QB
Üšc-´OµAW ‚¿à R¦Ä l 09A
ž>%'v%E
JEKYœ g“™ R¦Ä w 09J
¢=":o7F
ÞþiT ÔÉÐåL R¦Ä › 09K
;GD$2>
´€d[ ÔÉÐåL R¦Ä õ 09M
?Y;x"I
R¡kN R¦Ä q 09N
¨GOWgR@
à€R ‚¿à R¦Ä t 09R
8<L;|9>
½œIîN “ÿ dbE R¦Ä Â 09S
ENP9“/ 
“ZY G ãR •xH R¦Ä t 09T
:?.Q;N
S§^±œE ÔÉÐåL R¦Ä ú 0A3
 AY%sN?
êëÎN Ðà R¦Ä ú 0A4
¢B3Op0>
j™cÎN±œE R¦Ä x 0A7
¢A0<p7Y
vBB ‚¿à R¦Ä l 0A8
Ÿ>V+u#8
ËIZÍâHeN ÔÉÐåL R¦Ä ú 0A9
¢B4.p(6
æŸT db‹N R¦Ä í 0í
?[WHÀV=
^Ë aG‹}L R¦Ä … 0B1
©J7=dNB
Ba²R R¦Ä … 0B2
ªJKObL"
¡Ä_GeN ÔÉÐåL R¦Ä / ÜD ~c ÃËD › 0B4
:HB+-'
©ÖcS FlLS R¦Ä ” 0B5
¨HA;f=4
ÂRaN-½wRÜï R¦Ä VT 0B7
©J%"fOC
ËIZÍâH ÃËD q 0B8
¨G-&fV
Û] R¦Ä ¬ 0C0
žH6'vCW
ªIzE R R¦Ä Õ 0C1
8E;.|LP
ÅxK€Y R¦Ä ¬ 0C2
žGL-vH*
¨™c ÔÉÐåL R¦Ä › 0C4
:H$P~IG
Œ}` “ÿS R¦Ä § 0C5
¡I@>s/!
Òï_G ÃËD LTD R¦Ä ¬ 0C8
žG=&vB0
ÁA R¦Ä ò 0D7
¢FM8qOK
³ßYSÜþ ÔÉÐåL R¦Ä SD 0D8
<JY*W(
Õžà ÔÉÐåL R¦Ä ö 0E0
?@X<ˆ(
¤ÑN¦_T R¦Ä ö 0E8
@AI"Š*%
‚×ÚN R¦Ä ç 0E9
›FK/{,?
á’E ÔÉÐåL R¦Ä t 0F2
:?B$L>
ÀÊ— “ÿ ÔÉÐåL R¦Ä ç 0F3
8I5-}&3
ŸUP Ðà ÔÉÐåL R¦Ä › 0F4
;G/)€Y5
‘¿¯_jÁ ŸD³ RåRK OK 0F7
9A51}B
ïO§ˆO RåRK OK 0F9
9@)U~F:
£ÄH ÜälO ½ÜRãN R¦Ä q 0G0
¥I$*lH*
fÒõEH ÔÉÐåL R¦Ä › 0G3
9F6!~(+
’œçõ ‚¿à R¦Ä ò 0G6
¡G:!r<6
Ãˆc “ÿS aG‹}L R¦Ä q 0G7
¦HSjLV
ªEì Âÿié R¦Ä ñ 0H1
<E.S@
KA¹KA ÔÉÐåL R¦Ä Õ 0H7
œF70yH5
B•Z¬ C“Y ‚¿à R¦Ä _ 0I2
ŸE:Bu#Y
]Å`A-¡RžÎN ‚¿à R¦Ä KY 0I8
¡D3Xr/
W E •xH R¦Ä Ù 0Ù
BH8SLE
Í±œE ÔÉÐåL R¦Ä l 0J0
 =Bs,0
»ŠlA ÔÉÐåL R¦Ä l 0J4
Ÿ= ?t0H
»Y_G fN R¦Ä » 0J8
¡;C&p<>
ÚvE'S R¦Ä OK 0K6
9B(M}@O
HØáLDT ÔÉÐåL R¦Ä ç 0K7
8HJ#|,I
‰Û J¿µ‹N R¦Ä NV 0L4
CC;9“)2
J¶N R¦Ä NV 0L7
BAL$‘1N
E´O ãY R¦Ä NV 0L9
BB0F9P
vœY FaE ÔÉÐåL R¦Ä  0M0
œ?S#y>"
aË‘OT “ÿ R¦Ä ú 0M2
žB:=w2L
åÇ BžD³S ÃËD ú 0M3
ŸA>LuAP
[ ‚¿à R¦Ä ú 0M4
žBFv%6
HØPHaYS ‚¿à R¦Ä ú 0M5
ŸB%uJ0
Ïc€Y R¦Ä “ 0M8
œ>O?y).
hLÅ ÔÉÐåL R¦Ä “ 0M9
œ>6Ey;U
ƒOdc±œE R¦Ä Õ 0N0
8E/:|8>
´`hœE R¦Ä h 0N4
§E*&i;&
ãÿR R¦Ä Œ 0O2
BA/,’"T
‚Ö_G ÔÉÐåL R¦Ä Œ 0O4
DEVF˜(-
Âù ÃËD Œ 0O9
EGPK™Y$
îN åK R¦Ä ñ 0P1
;EOV@&
ïO‡ª_G A±b‹N RÃËD å 0P2
¦EMIjDR
Î£” îœé R¦Ä Œ 0Q3
DD+7˜9
ŽL” R¦Ä Œ 0Q4
CB@T•E;
ïËfR ‚k R¦Ä Œ 0Q5
EFGš"9
Î£” rYåRK R¦Ä Œ 0Q9
DD-:˜8 
‚LØvA-”ž[ ‚¿à R¦Ä õ 0R0
=/OwNL
bÕa ÔÉÐåL R¦Ä l 0R1
ž=Xu8N
‰x|N ÔÉÐåL R¦Ä Õ 0R2
›D6,{1Y
‚xŠA åžï R¦Ä “ 0R4
œ=?Iy<5
Û±D G êY„ R¦Ä “ 0R5
›=WOzEC
¡ÈeN ÔÉÐåL R¦Ä  0R6
›?=3z9C
^E aD žkR R¦Ä “ 0R7
›=Y9{09
‰™ R¦Ä Â 0S0
ELXB”A+
…ÁÑ ¤¼K ¥FS R¦Ä ÷ 0S1
CMPS7
›Z¨R„ ÔÉÐåL R¦Ä Ù 0S5
DL,1’,1
Úƒ^Y S‚ß R¦Ä Â 0S7
FNW>•6I
JEäcÎN ‚¿à _fÖb‹}L R¦Ä Â 0S9
FN!,˜NF
“™”RK ¥ ‘ad ŽR±„ R¦Ä Ù 0U0
DJD?‘=Y
ÂRM ÀžˆS ¤¼K R¦Ä Ù 0U1
CJ&>‘0R
‚P¨R ã­N R¦Ä Ù 0U2
CIN$OR
”¹›Y ¤¼K ¥FS R¦Ä Ù 0U3
CJJFU/
¹œÑ eP R¦Ä Ù 0U7
CI17A7
”Y R¦Ä Ù 0U8
CJBDSK
€E ’œçõ …Õžl R¦Ä Ù 0U9
DJ9G’K;
æ[¼R ±œA³ ÃËD › 0V3
;F<V€VL
BƒOK›l/ŒÈœ ‚¿à R¦Ä î 0V4
¤C&<mY
KAYi¯ R¦Ä ð 0V7
@BHYŒ+H
€E ‚¿à R¦Ä î 0VG
¢BE-q+"
¡R‘ù ‚¿à R¦Ä MD 0W3
¦E@j*'
“ÿ §œS ÔÉÐåL R¦Ä ç 0Y6
›I6N{<I
wLT ÃËD ¬ 10C
ŸH6(v4C
’¾fD ÔÉÐåL R¦Ä ô 10D
›JW,|!T
¹L…S ‚¿à R¦Ä ò 10G
£F>,oW.
ÑYjE R¦Ä NV 10U
CGW+’(V
OX •xH R¦Ä t 10X
;;9I‚$Q
C“YeN ÔÉÐåL R¦Ä l 11A
 =Ss;$
SÆÁƒN ÃËD ñ 11K
9C9F},>
Œ™€‰¸T Fõ R¦Ä µ 11N
¨G@'g9J
BaN¡M ÔÉÐåL R¦Ä t 11R
9<+&~49
ŽKIU R¦Ä Â 11S
FN-Xš0P
¶d[/îœé ±EW R¦Ä ‚ 11V
>F1J†BR
»Y_G ýbjº R¦Ä ’ 11Y
ŸJ!Nv)@
KAîœé R¦Ä  12A
›A(Ez2$
e²R ÔÉÐåL R¦Ä ô 12D
œMO#z/(
ïËÏ ‚MÔÉà R¦Ä ò 12G
£FR4pGQ
BaWeN ÔÉÐåL R¦Ä l 12J
Ÿ=! u!V
½¨žŠ ÔÉÐåL R¦Ä › 12K
:F M€!B
AcO»EX-`ÚkR R¦Ä NJ 12N
§G=hJ/
ÕNØiT ÔÉÐåL R¦Ä Š 12S
EJOT•7M
[A RåRK WV 12V
£D89p*!
€ ½E· ÔÉÐåL R¦Ä ô 12Y
›J8:{TY
“ÿ±EW-R¦Ä-yIä—H ÃËD § 13C
¡I9&s-S
E·EKA ÔÉÐåL R¦Ä ñ 13K
9CQ$~/<
JE²ß …Þ R¦Ä ö 13Q
@@-ŠFN
Œ”£ g“™ RÃËD Â 13W
FN-7˜8+
‰ß€‘RK ÔÉ/¡£kR R¦Ä ô 13Y
›N7{A)
“ÿ £R”N RåRK x 14A
£ABMnSX
FaÕ R¦Ä ò 14G
¢G1Yq'F
ŒRL ‘LÎM R¦Ä l 14J
Ÿ=6Bt#7
¹œ`Û€ ÔÉÐåL R¦Ä õ 14M
œ?(WxOQ
LTZ±œE R¦Ä å 14N
§FPGiD!
²d¦Ä R¦Ä Â 14S
FLSOš$"
eDD ÃËD ô 14Y
8KSU|R8
”RK aY£LDS/£ÄH Õv€ ‚¿à R¦Ä l 15A
ž<T@uYL
¡rËL ÔÉÐåL R¦Ä t 15F
;?);I"
²LTZèN rYåRK R¦Ä ò 15G
£GHoMS
‚OK ‚¿à R¦Ä w 15J
¡=&.q9*
IUKA R¦Ä õ 15M
ž@L2v'W
JiK_S R¦Ä h 15N
¦E%)iA 
hüg Fõ R¦Ä § 15W
¢HSFr57
¨R¡M ÔÉÐåL R¦Ä ô 16D
9LBE}B3
Ž›Œ ‚¿à R¦Ä ò 16G
¢G#Eq*K
ÛWÎN ÔÉÐåL R¦Ä w 16J
 =JBr7'
MYÄ€ ¤¼K ÔÉÐåL R¦Ä Š 16S
EHYP™0U
‰ß€ ìOŽ dbE R¦Ä Â 16W
ELA ”,
 OPÂï R¦Ä t 16X
:?"Q3>
ªIG³R wP R¦Ä  17A
›B1F{C1
¦Ä Ü]ÌS-¤AW‘ù ‚¿à R¦Ä ò 17G
¢FLTpX:
Ú}LÎN±œE ÔÉÐåL R¦Ä w 17J
 =7rRE
ágE Ðà R¦Ä OK 17K
=BL9„<B
”³E ÔÉÐåL R¦Ä õ 17M
=QLwN 
¤O« ÿYS R¦Ä NJ 17N
§EH2iY
ÅEÄ RÃËD ñ 17Q
:D*U3&
´E¡€M RåRK Š 17S
EK17™!,
¡X©N ÔÉÐåL R¦Ä ‚ 17V
=FCE„B!
F•NK‰N ‚¿à R¦Ä w 18A
¢@26q&
˜¤¶× ‚¿à R¦Ä KY 18I
¡BGJr5;
‘W€R R¦Ä ñ 18K
<C5!‚)(
¯©M R¦Ä ö 18T
=?-F….C
zbf îœé RåRK ‚ 18V
>F$†H"
§“Œ ÔÉÐåL R¦Ä ô 18Y
›KL3{CV
C. A. ÕŠE R¦Ä õ 19M
?%>x>
æ› îœé R¦Ä NJ 19N
§ELHhVR
½øâf ÔÉÐåL R¦Ä ñ 19S
<C;O‚P"
y¼N –aS R¦Ä q 1A1
¨H&UgK"
^· R¦Ä ™ 1A2
:M$F*8
”Ä_ ŒÈœ ÃËD ú 1A3
¡AXr2M
ŸwN ÃËD l 1A4
Ÿ=$,t!K
”‚N ‚¿à R¦Ä x 1A5
¡A+3q7&
§DD€Sáƒ-œ ‚¿à R¦Ä KY 1A6
¡BBCqJ-
J–ñ[ ‚¿à R¦Ä ú 1A7
 B5KsD;
ìLDÃËD R¦Ä NV 1A8
CCI2“,)
 bT±œE - yOUÏ ÃËD l 1A9
Ÿ>81t<L
hXfR aG‹}L R¦Ä … 1B0
ªK-c,+
‚LØvA ‚¿à R¦Ä q 1B1
¨H/;gHC
KbÝA RåRK ” 1B2
©G3<d=:
F•x[ç R¦Ä NH 1B5
©J)JeK"
¹¨Û€ _Ódžl åRK R¦Ä ” 1B6
©H$5e<B
´AæN ÃËD q 1B8
¨I!g3X
”¾ÃËD ÔÉÐåL R¦Ä ” 1B9
©He)N
áüE fRa ÔÉÐåL R¦Ä Õ 1BT
CU'x@=
åXeN R¦Ä ¬ 1C1
ŸF8Vv%F
GY€ R¦Ä q 1C3
¨I--g:-
á‰ˆBƒOK'S CŸW _fÖb‹}L R¦Ä ¬ 1C5
ŸGGLv%K
‚ß[WsD R¦Ä ¬ 1C8
žH/<w&(
F•ZèR “ÿ RåRK Œ 1C9
CBW*—9T
§LãNK ÔÉÐåL R¦Ä SD 1D1
9K+P~?X
Œ[-zYÕ{H-…ßâl R¦Ä § 1D2
¢H2Tq95
zbf ÔÉÐåL R¦Ä SD 1D3
;I6/€OP
”YÃËD R¦Ä ò 1D4
£FY?o7T
L{jR R¦Ä q 1D5
§ILiPY
jµŠ ÔÉÐåL R¦Ä ô 1D6
8JIR|HS
^E ­G·D `hº[ R¦Ä SD 1D7
:K/?<G
aDÃËD ÔÉÐåL R¦Ä SD 1D8
;JQ4€=S
vG ãR ¥FS R¦Ä Ù 1Û
DK>"’=Q
D× SÂÈ R¦Ä SC 1DS
£?5(nT7
fR‰ˆUA •xH R¦Ä t 1E2
=;9#…5R
åŸ Óƒ R¦Ä t 1E4
<A&=ƒP/
ÜälO R¦Ä t 1E7
<A!TƒRJ
hy®Ž ÕŠ‡ R¦Ä q 1E8
¨J50i!Y
DÕa ÚWÑN EXEÒk R¦Ä OK 1F0
:@&O%4
zb¶U rY •xH R¦Ä q 1F2
¨I+<h$T
”œ ÔÉÐåL R¦Ä OK 1F4
:@&7~NI
¹Xè-ïcÙ` ‚¿à R¦Ä ñ 1F5
<E4 ‚8;
RåRK ¶d R¦Ä t 1F7
9>NP~3&
WsD ‚¿à R¦Ä ò 1G0
¢G5:qCN
ËYžA R¦Ä ò 1G1
£G1Sp$
ÿ dbE ¿Ikº—Y R¦Ä ò 1G3
£G'#o6T
y`D Œq[ ²d R¦Ä ð 1G4
BAY'O
…} ÔÉÐåL R¦Ä ò 1G5
£G%UoL!
§´AË RÃËD q 1G6
§I(Tj%F
†E hW …Õžl RåRK ò 1G8
¤F:?nCG
¤Ek ‚E· R¦Ä Õ 1H0
DIBx<<
R“› ifR g‡ R¦Ä q 1H1
§I*0j(J
Eä_¸Ý ‚¿à …Õžl R¦Ä ¬ 1H2
žE"+v>
dbE f´ÉŒL ‚œE³ OF §«O·I R¦Ä Õ 1H3
œD:0yO 
y¼N±œE-•_áW R¦Ä q 1H4
¨H7(h7
’œÑ ÀžˆS …Õžl R¦Ä Õ 1H5
œBY5yW-
¡RkY YO¿G R¦Ä OK 1H6
9B&2}O<
ŒŽY ÔÉÐåL R¦Ä ¬ 1H8
ŸE0'v-
›d OF ¶û‡ R¦Ä ’ 1H9
œKP&yN(
”R] ÃËD q 1I1
¨J+-gM;
ïAW›E ÃËD _ 1I3
ŸE @u(
FaE¹LD R¦Ä q 1I5
¨H3Qh!X
‚NkºE R¦Ä _ 1I8
 F@6sSY
hLPÅ ÔÉÐåL R¦Ä _ 1I9
 F>@tFT
‘Ä ÂLeN –H R¦Ä » 1J9
Ÿ<65tOK
œOYD d¶R”N ÃËD ñ 1K1
:CLF$O
‰™ÞY ÔÉÐåL R¦Ä OK 1K2
:@PWA%
Û±D JAY ¨R× R¦Ä OK 1K4
:A'0:+
ÂY£KA ÔÉÐåL R¦Ä OK 1K5
;B@/€Q/
Ë‰nsD ÔÉÐåL R¦Ä ñ 1K6
;D46€AH
FaÚÉA R¦Ä ñ 1K7
9C@P}P,
Î{H y`D “ÿ aG‹}L R¦Ä OK 1K8
8B><}.
Þ¯A ÔÉÐåL R¦Ä ñ 1K9
<C96‚Y#
Klííâ ¤¼K ® R¦Ä í 1KC
B^7ºO+
‰ü ‚¿à R¦Ä ñ 1ñ
8D(6|G7
‰x|N ‚¿à R¦Ä NV 1L1
BCM,7*
Ž´‰¸T R¦Ä NV 1L3
BA8FT>
KÙ²œ R¦Ä NV 1L4
BA02RV
‡Œ“E ÔÉÐåL R¦Ä { 1L7
ACJI@*
³›•L ~ dO{ ÃËD { 1L8
BC&204
åƒÂN R¦Ä { 1L9
BCQAŽNX
LZ[I ÔÉÐåL R¦Ä õ 1M2
?&Ix<U
DÕa R¦Ä l 1M3
Ÿ@XKtS
¦ŽY ÃËD l 1M4
Ÿ@.OuB
¦Ä“™ ÔÉÐåL R¦Ä ú 1M5
 BA@t:C
dEk¾ •xH R¦Ä ÷ 1M6
@K//ˆ&I
FÇeN R¦Ä KY 1M7
žB=?vTV
MYž~S R¦Ä ” 1M8
©GP3eA
“ÿ ãRK€Y dbE åRK R¦Ä KY 1M9
ŸBO"uT9
Õ¿¯_ yOk …Õžl R¦Ä Õ 1Õ
›C%-z0F
Þ™ç RåRK ‡¯fS ¶d R¦Ä ö 1N1
?A#Fˆ(
ÀÁO R¦Ä q 1N2
¨FOFfJU
lÄ R¦Ä å 1N3
¥FX/l,@
üâT R¦Ä MD 1N5
¦D6FiBS
øºeWN R¦Ä NJ 1N7
§FX.hYQ
y`DÃËD ÔÉÐåL R¦Ä OK 1O1
;@,-€J=
“ÈÎN ÃËD Œ 1O2
DDY8˜T"
Ÿ R¦Ä Œ 1O3
DD*'—.#
^O”S ÔÉÐåL R¦Ä OK 1O4
;AJ€IP
ÕAGUE-YaKA ƒHaR ÃËD Œ 1O5
EGIO˜>L
Ó¾ÔÊ ÔÉ-Õß R¦Ä Œ 1O6
EG-N˜.1
PeN ÔÉÐåL R¦Ä OK 1O8
;@9=(/
FRÕ ÃËD R¦Ä OK 1OK
:B3SF"
zYÕ{H ÔÉÐåL R¦Ä NH 1P1
©ILHeK,
d¬²œ / ´cOÿE }[ R¦Ä OK 1PP
8AK7|E
E~cT ÃËD Œ 1Q1
CB'K•!
Àlˆ R¦Ä Œ 1Q2
DFE–L%
›W Jc¥lEM R¦Ä Œ 1Q4
DCFK—0
yAkœY îœé R¦Ä Œ 1Q5
DE9˜W0
ìk ‚¿à R¦Ä ñ 1QK
<E 1‚, 
JiA R¦Ä “ 1R1
›=Fz':
WsDWŠ^ R¦Ä “ 1R4
›=%Az<#
BƒOK¡kN-‰x|N ‚¿à R¦Ä õ 1R7
œ=B3x6?
ãY §›ßE ÔÉÐåL R¦Ä l 1R8
ž<R+uO'
¦_T ƒÄS RåRK Â 1RL
FNXD™"K
E~¡Ä _fÖb‹}L R¦Ä Ù 1S1
ENY7’<&
ÛRžˆeN ÔÉÐåL R¦Ä Â 1S2
FN-=—BB
œ—T ÃËD ÷ 1S3
@L..ˆC8
Ž¬_G R¦Ä OK 1S4
;B'0€V
½üY­h ÔÉÐåL R¦Ä Â 1S5
EL1D•X*
 èd žkR ÔÉÐåL R¦Ä Ù 1S6
EN)8’TB
S“f ¤¼K R¦Ä Ù 1S7
DKF0’02
‰ˆeN ÔÉÐåL R¦Ä Š 1S8
EKI4–(A
´E²“H ÔÉÐåL R¦Ä Â 1S9
EN0Q“JA
ÿdaL RåRK t 1T7
:;NH€7?
ÜLkùE RåRK t 1T8
:;J3€9#
 ªAP R¦Ä Ù 1U0
CHX<3"
ÕOŽ ¤¼K ¥ ‘ad ŽR±„ R¦Ä Ù 1U1
DL%9U7
ÔD “ÿ/²d JEäcÎN ‚¿à/ R¦Ä Ù 1U2
BIPTŽ;V
ÔRPHY R¦Ä Ù 1U3
DI*X’>V
›W …ÁÑS R¦Ä Ù 1U4
DJXK’/ 
Oí€Y ÔÉÐåL R¦Ä Ù 1U6
CH,!RG
 “ÿ ‚¿à R¦Ä Ù 1U7
BH,P2/
æ› R¦Ä Ù 1U9
CI9X‘0B
FaÕ g“™ Ÿ²R ºªIP { 1{
BG(?Ž4Q
}îê “ÿ R¦Ä ö 1V0
?BN;‰E)
y`T ‚¿à R¦Ä › 1V2
=HBƒL*
FaÕ ‚¿à R¦Ä ‚ 1V6
>D7M‡$=
€–H R¦Ä ‚ 1V8
?CM%ˆ Q
yOk ÃËD Â 1W1
EKCF˜6,
…X¢O Fõ R¦Ä MD 1W3
¥EB/lKD
Â‚ ÃËD ò 1WF
¡FSr)S
ÅGG_S-‰PS‚m ‚¿à R¦Ä t 1X1
<B$3‚?
JUD³ €’S ÃËD Õ¿T AYR ÔÉÐåL R¦Ä ç 1Y3
8FH3|++
›W ¡ÈeN ÔÉÐåL R¦Ä ç 1Y5
œI#,z2B
åÇ‰} ÔÉÐåL R¦Ä ç 1Y9
9HY0}ER
y`D Œq[ ãR fN ºªIP ð 1Z1
AB-;+R
ƒBv¾ ÃËD l 20A
Ÿ?X.t4P
ÆL ¤¼K R¦Ä í 20K
E_3,³KI
”‚N ÔÉÐåL R¦Ä õ 20M
ž?&v>&
K_Gd[-Çdc R¦Ä q 20N
¨GY%gWQ
¤Ydl Ðà ÔÉÐåL R¦Ä t 20R
;:GRO"
‡ AcODƒ… t 20T
:>:-?C
–H R¦Ä ™ 20U
?LU=…XU
˜ËƒY RÃËD ‚ 20V
?F!*ˆ4'
“ÿ ËÕ R¦Ä ô 21D
›JYQzQ3
J–ñáƒ ÔÉÐåL R¦Ä t 21F
:?+I€&N
”ß—U~ R¦Ä q 21N
¨FY-f=&
•ˆc ¤¼K dbE R¦Ä Â 21W
FML—> 
ã™Ë R¦Ä å 22D
¤F%Pn#L
ÿ ‚¿à R¦Ä t 22F
<?+K‚@&
±[ ‚¿à R¦Ä ò 22I
£E1Gp8<
¦OeC ‚¿à R¦Ä õ 22M
ž@.?w 0
JíE ›R …Õžl R¦Ä å 22N
§FN@iKG
åg€Y R¦Ä Š 22S
DHI"–?M
fÒõEH §œS R¦Ä § 22T
¢H "qRL
KLdÁ ÔÉÐåL R¦Ä ô 23D
9N@E~>;
C“Rÿ ‚¿à R¦Ä õ 23M
ž>#$vJ2
ãY¦Ä AcODƒ… q 23N
¨FK;g!(
h±› ÔÉÐåL R¦Ä t 23R
;;&0€V=
ŽËé “ÿ R¦Ä ÷ 23S
CM(K8H
‚ÖU‚æA ÃËD ’ 23W
LQXy#
J–ñ[ ‚¿à R¦Ä x 24A
¢A1!q*B
Ÿ²œ Ðà R¦Ä § 24C
¡HW,s2D
] ‡S žkR R¦Ä t 24F
8>JL|0.
½Âü¼ ‚¿à R¦Ä » 24J
¡<0q;
K•«Ë ¥ ‘ad ŽR±„ R¦Ä Ù 24K
DJX9‘IN
’LhÖ‡S RåRK § 24M
¡I,GsHH
J¢¬“ Aå´E }[ R¦Ä ö 24N
?BOIˆS 
œé RåRK t 24R
;:G&)3
æ›H·d dbE R¦Ä Š 24S
EH$C˜4Y
‘ad “ÿ R¦Ä ô 25D
›K,RzYF
Ÿ²R ´b¯¹O´¼ aG‹}L R¦Ä w 25J
 =H$rOC
žzé R¦Ä õ 25M
ž@I2wT
…”ŸOŽ R¦Ä Š 25U
DK7F’GD
®H“™/‰›±œE R¦Ä l 26A
 ?/!sN=
O„` Ðà ÔÉÐåL R¦Ä NJ 26N
§E-OhB9
J–ñ[ ‚¿à R¦Ä t 26R
9;"~@U
˜hR§ß dbE R¦Ä Š 26U
DH@“ID
W|F “ÿ R¦Ä § 26W
¢H*Ar+T
…‚dA ÕÄ[ R¦Ä § 27C
¡ICPs-F
³Š³eWN-S‚ß ‚¿à aG‹}L R¦Ä KY 27K
¡D,"r8#
ËÚ• R¦Ä ç 27P
›H1O{$Q
ËÚ•Ú R¦Ä t 27R
<<QJ‚BF
“ÿ ²}T´¼ dbE R¦Ä Â 27W
FMO(–I*
ìOŽ ¤¼K R¦Ä x 28A
£A%.nA,
å“TKA ÔÉÐåL - LT. KAY “RK_ ÃËD » 28J
¢;E=oG2
¤`“™ R¦Ä ” 28M
©H<dP/
±›“™-ÚWÑN R¦Ä NJ 28N
§E>-hWY
ÑYjE aŽRVOÊ dbE R¦Ä Š 28U
DI7;“2J
y¼N –aS RÃËD t 28X
<A9.‚YE
y_Dd[E R ¡RáR R¦Ä § 29C
£J RpTQ
yOk Ðà R¦Ä å 29D
¤G&Ln("
êE îU¸N À•Y_G R¦Ä t 29F
<@5>ƒKB
KƒË_³R R¦Ä NJ 29N
§E=8i M
wù_c R¦Ä ÷ 29S
BK!ŒJO
”RK `eN R¦Ä ú 2A0
 A;(rUR
JÝ‡eWN ÔÉÐåL R¦Ä ú 2A1
¡B2YrVN
¹œé Õ¿¯_ RåRK  2A2
›AE!z6,
Œ¥é R¦Ä x 2A5
¤ATHmC!
¹œY yOk ÔÉÐåL R¦Ä  2A6
œ@@Wy'U
ÁÎN ÔÉÐåL R¦Ä l 2A8
Ÿ@+u'<
‰… ±œA³ R¦Ä í 2í
C[3?¹86
S´›R R R¦Ä í 2`
E^-.³)=
Œ¨ ‚D R¦Ä ” 2B1
©GG%d6&
zØ g“™ R¦Ä ” 2B2
©HMKdP:
åR‰N ÃËD NH 2B3
©I5/f)3
¹œgfR ÃËD ò 2B6
¢E8-qH<
æßSÃËD ÔÉÐåL R¦Ä … 2B7
ªJL%c4:
¦d §œS R¦Ä VT 2B9
©IS!f-+
»Y_G A R¦Ä ô 2C4
œIOz2+
l…} R¦Ä § 2C5
¡H-)sQ$
ªI-‚¿à R¦Ä ¬ 2C6
FL8x":
Œî‰c ÔÉÐåL R¦Ä ™ 2C8
:NM CU
ŒÈ ø`ˆ MY R ÃËD/ˆ RÃËD » 2CB
¢;W'oXM
€E ÃËD ò 2D1
¤FX$o#U
Oí‡ ÔÉÐåL R¦Ä ™ 2D5
:L(8€"L
–H Ðà R¦Ä ò 2D7
£FDNo?4
ï¨'S džP § 2E2
£HW$pL?
CLU~ •xH R¦Ä t 2E3
<B(DƒGD
hœ Ðà ÔÉÐåL R¦Ä t 2E5
>=VQ‡)=
yOeN ÔÉÐåL R¦Ä SD 2E6
:K> €#D
˜€` yAY ‚¿à R¦Ä t 2E7
<A,L‚>O
Œ~€R× R¦Ä § 2E8
¢H7<qR(
ÊA` ÔÉÐåL R¦Ä t 2F0
<<T3ƒS=
ïÝƒ~ ÔÉÐåL R¦Ä t 2F1
<A, ‚)&
T ãR R¦Ä t 2F4
<?(CƒO*
rçeOK ÔÉÐåL R¦Ä OK 2F6
9B30~F
‚M…R„ ÔÉÐåL R¦Ä t 2F7
9?/@}SM
‚xŠD RåRK ò 2G1
¤GFo)P
JEäcÎN ‚¿à RåRK ò 2G2
¤F3@nH
wRaß ‚¿à R¦Ä MD 2G4
¤E@Qm2'
y`—E ïOlS áB SYLkdc RåRK t 2G5
:<A4€4+
ìR¡M R¦Ä NH 2G8
©J5Ae)N
Î…ºâ ‚¿à R¦Ä å 2G9
¥F 3mS
yAYS ¤¼K R¦Ä x 2GC
¤@SClPC
ïËÏ ‚¿à R¦Ä ¬ 2H0
žE6CvPI
Jc× ½ôcS SR A·ŠA ÔÉÐåL R¦Ä Õ 2H2
›BWJ{GI
¹¥eN ‘Ä ™ R¦Ä t 2H5
9;;V}SS
ƒ€ßE R¦Ä ™ 2H9
<NEUQ*
”ÎN±œE aG‹}L R¦Ä KY 2I0
ŸC33u5T
ƒU¸ žkR dbE åRK R¦Ä KY 2I3
 CBBt<8
þ“hS R¦Ä » 2g
¢8J%o!"
ÂKÇ“ ‚¿à R¦Ä » 2J0
 ;Y2r5K
‰ÄY ‚¿à R¦Ä w 2J2
¢=M#oD:
ŸUg±œE ÔÉÐåL R¦Ä w 2J3
¢>Y)p5'
§œi R¦Ä w 2J5
¢>SCoWU
æcÎN ÔÉÐåL R¦Ä » 2J8
¢;-o9?
Æ_] ÔÉÐåL R¦Ä » 2J9
 <ARr?9
¦™ ¤¼K ÔÉÐåL R¦Ä OK 2K1
:BEKN=
R åRK Î{H R¦Ä Õ 2K2
›C!@{,!
S‚ß ÃËD OK 2K4
;@S?=H
f‰Û R¦Ä í 2K5
D]5D·.&
ËK ‚¿à R¦Ä ñ 2K6
9C4P~.-
›OhïA ÔÉÐåL R¦Ä ñ 2K7
9C8%}DL
ìÉA ÔÉÐåL R¦Ä ñ 2K8
:C.=K=
¡rËL R¦Ä OK 2K9
9AOX}F!
½NžŽ –H R¦Ä t 2KL
:<AV€6=
æ›±œE ÔÉÐåL R¦Ä “ 2L0
›=2=z8C
“žÕa ÔÉÐåL R¦Ä ™ 2L1
:MT7D8
 _„eN-ŒLD²œ ‚¿à R¦Ä KY 2M0
ŸC$TuQ8
¡R× S ªØ` aG‹}L R¦Ä Õ 2M1
8E#|#,
“WaxEÜþ “WaxE ‚¿à R¦Ä ú 2M2
ŸA,!u-:
G V Õì…× R¦Ä õ 2M4
>30w;0
¹ä”N'S ø–K Õ¿¯_ AcODƒ… § 2M7
¢K=Ur0;
´€S W. ãÿR R¦Ä ú 2M8
A.JwUS
Õ¿T kÖ[ ÔÉÐåL R¦Ä Õ 2Õ
8C"${S$
›W‘¿D îœé R¦Ä NH 2N2
©IA:eK$
Ñ®‚ R¦Ä q 2N4
§HJ)j;(
KÝ¨L R¦Ä å 2N5
¦F TjXG
aD’ˆ R¦Ä NJ 2N6
§FAhG@
w¾›R ÃËD Œ 2O1
DEVD–VH
`G’N R¦Ä-åRaß ÃËD Œ 2O3
DD@I˜8$
´Ñ´¬“ R¦Ä Œ 2O6
CC$K–,O
_h¨™i„ R¦Ä Œ 2O7
CBNU”*.
Å[ ÔÉÐåL R¦Ä OK 2O8
:A<3€2?
Âï_GeN g“™ R¦Ä ’ 2P2
 K5/tU6
ã•w R¦Ä § 2P4
ŸLM$v@F
lhR”N R¦Ä ò 2P7
¤F!7nWN
»Y_G W R¦Ä SC 2Q0
£@7Jn"*
DYc R¦Ä NV 2Q9
CCBA”4
ÂY›Sáƒ ÔÉÐåL R¦Ä õ 2R0
ž=DLvD#
€ ”ÊE …Õžl R¦Ä “ 2R1
œ;SWyEX
j™ž~S ‚¿à ìù[ yA¡M ÃËD _ 2R2
 EJSt:8
¨fR  _„ ÃËD » 2R4
Ÿ<D-tYC
d ËÕ R¦Ä l 2R5
ž<<%v.<
ÜNKè ÔÉÐåL R¦Ä “ 2R6
›<W6z,!
F•NK‰[ R¦Ä “ 2R7
<O(x$K
ÿ›DY aG‹}L R¦Ä t 2R9
::O<QV
žkR •xH aÎÄ R¦Ä » 2RR
¢9LVo*1
T’À ÔÉÐåL R¦Ä Â 2S0
FN3 –#D
îï[ ÔÉÐåL R¦Ä Â 2S1
FM9=˜:8
AkR ”ºH dbE R¦Ä Š 2S2
EI%J—O#
´c …Õžl ÃËD § 2S3
¢HT7r:2
Âùi R¦Ä Â 2S4
ELWU•!X
ÂfR±œE R¦Ä Â 2S5
EME4–!4
ÀŠTS”N RåRK Š 2S6
EK/K˜W0
´¬OÆ_ dbE R¦Ä Š 2S7
EH@L—RK
’LÜR R¦Ä Â 2S8
EMK-”JA
’œAå ¡RáR R¦Ä Â 2S9
FLGQ™O5
Ô€ïOE ÔÉÐåL R¦Ä t 2T1
=@)$„D:
¨RÐîL ÀžˆS R¦Ä ¬ 2T2
žEPv>2
Þ“Ú R¦Ä t 2t
:<U,>8
S§^  žE R¦Ä Ù 2U0
CI;U‘>S
ƒ~‘ù ÔÉÐåL R¦Ä Ù 2U4
BI)7Ž=U
ï¶aR ¥ ‘ad ŽR±„ R¦Ä Ù 2U5
DKY<P:
d`€Y R¦Ä Ù 2U7
CJ*=V$
^O”S ¤¼K R¦Ä Ù 2U8
CJIA‘)
FaÕ g“™ UP¨R ºªIP { 2{
BG'BŽ2
W•Y ÔÉÐåL R¦Ä ‚ 2V5
=F$„,:
YØA ÔÉÐåL R¦Ä ‚ 2V6
=F$-„HM
Z`G³R ±A³ RåRK ç 2î
9I9#~63
h ka ÃËD Â 2W1
EM(E–Q)
C€±EW RåRK MD 2W2
¦E:k!
SÂ¾[ R¦Ä Â 2W3
FLR0˜-7
”×“™ R¦Ä MD 2W5
¦DANk"4
d. ”×'S ‚¿à aG‹}L R¦Ä MD 2W6
¦D0Uj?
D•ÿ R¦Ä ç 2Y1
›H1{7
ƒ~²œ Ðà ÔÉÐåL R¦Ä ç 2Y4
8H5-|C$
E·EKA ¤¼K R¦Ä í 2Z2
E_(?´+.
Eî ¤¼K R¦Ä í 2Z3
E^ =²QM
“ÿ±EW R¦Ä t 30F
:?%VQ
_wœS ÔÉÐåL R¦Ä ñ 30K
<CT7‚=R
•LPH M ï¨ R¦Ä õ 30M
@E>x4A
_fR ‚¿à R¦Ä å 31D
¤F1RmLO
¶û‡ ›d R¦Ä NJ 31E
§EEUh0:
ÛN±œE ÔÉÐåL R¦Ä  32A
›A#+{7E
dEk¾±œE R¦Ä ÷ 32S
CL=<!)
FR±EW R¦Ä SC 33A
¢A'8p%2
JÍŸ¾KI R¦Ä § 33C
 I"Vt#G
³›î ÔÉÐåL R¦Ä l 33J
Ÿ=!'sR%
K_S€Y ÔÉÐåL R¦Ä ñ 33K
;CT>6)
ÂfR îœé ÔÉÐåL R¦Ä õ 33M
@(wG(
h“Âa RåRK h 33N
¦E+%iB 
yOkeN ª_—Y ‚¿à R¦Ä t 33R
9=#$}'Q
 U ÃËD Â 33S
EM%6”56
ÓT´ êë R¦Ä { 33U
AFU"‹5:
ÂLhN J–ñ[ ‚¿à R¦Ä ‚ 33V
?FKˆ..
…žœb R¦Ä § 34G
¢GX<qU=
ŒÈœ ÔÉÐåL R¦Ä Õ 34M
B;'xW
¡œâTS±œE ÔÉÐåL R¦Ä t 34R
:;56~W4
YUã R¦Ä § 34U
¡JP2s7R
¿‹N ‚¿à, ªOY ïËeN ÃËD SC 35A
¢@G+oD:
²œS R¦Ä § 35C
¡I%Hs<1
åD¸Ý ÃËD § 35D
¡H=RsO<
ŒRžA³ “› R¦Ä § 35L
¢H9Rr $
ÂS‚ dbE R¦Ä Š 35S
EKA4–F8
ªIzE-–E ÃËD t 35X
:?-&?*
ÿq ‚¿à R¦Ä ñ 36K
<CX(ƒ-0
¡PPY ŒÈ R¦Ä Œ 36S
EGM9™52
Ô™AY ÔÉÐåL R¦Ä t 37F
;?:#A(
¹ÖcS±œE …Õžl R¦Ä Õ 37M
B <x'
wRžÎN ÛM a¤¶[l RåRK ™ 37N
=M:Yƒ6>
‘Ä ¨~ R¦Ä ÷ 37S
@N0ˆ:U
Œ‰‚ ƒ~ IZD ‚¿à R¦Ä  37T
œB'Rz&F
Aå¹E ÔÉÐåL R¦Ä › 37V
<F2<T:
Œ_ ÃËD § 38C
¡IBs;A
Þ€M RåRK _C R¦Ä ò 38D
¤FVSnQJ
²œc R¦Ä ò 38I
¢F#:qG4
j§ˆÂY dU~é R¦Ä SC 38J
¤?IIm<X
LUŒS R¦Ä ñ 38K
;E!H€=A
SMYÖA R¦Ä h 38N
¦E0+iA 
hc ŸD³ Ðà ‚¿à R¦Ä ÷ 38S
CL50ŽKX
ÂY› W[hR“™ R¦Ä { 38U
AD3KAL
LY™i R¦Ä Â 38W
FNW3˜9;
AVOŒ R¦Ä § 39G
£IPpF(
¦Õ} “ÿ R¦Ä ñ 39K
9DG=}G6
 _„eN R¦Ä NJ 39N
§F5WhE>
dƒM ÃËD Â 39P
FL?˜.
»Y_' B R¦Ä t 39R
9;>.}78
ªIPP ¤¼K R¦Ä § 39T
¢I!Sr;3
»Y_G-A-•xH R¦Ä § 39Z
 I$0t%7
›W ¯ZE²œ ÔÉÐåL R¦Ä ú 3A2
¡B6>q?7
y¼¾áƒ EXEÒk R¦Ä x 3A4
¤AV=mG&
»Y_G M •xH R¦Ä NV 3A5
CDBG•$
E{AW ÔÉÐåL R¦Ä l 3A7
ž>O+uQT
‰ˆeN ÔÉÐåL R¦Ä SD 3A9
:J5A%6
D× ãY R¦Ä í 3í
HY'R¨;4
AUG¥¯ ÔÉÐåL R¦Ä ñ 3AU
:CF0"F
Î{HBžD³ ÔÉÐåL R¦Ä ” 3B0
©H$!f 0
y¼N±œE ÔÉÐåL R¦Ä … 3B1
ªK9Mc?$
dc‰ˆ R¦Ä ” 3B3
©H7?eM@
Ž–O®T RÃËD … 3B4
©I&AdL7
T’T´ËL R¦Ä … 3B5
ªJ)2d+X
ïÁY –aS R¦Ä Â 3B8
FM"+˜4.
§ïAÂKA æŸTS CLUB R¦Ä _ 3C1
 GE7t #
“ÿ _ ^E ÅœS R¦Ä ¬ 3~
ŸH*6v15
JÝ‡ C€…S ÔÉÐåL R¦Ä § 3CM
¢I>OqSJ
ŒøE ¿‹N R¦Ä ’ 3Ò
L)Ey,M
¤I±TZ ÔÉÐåL R¦Ä ’ 3D1
ŸK*Qv"6
EPH•IM-GIB•L¯R R¦Ä ’ 3D2
 K&%u)'
ÛLeN R¦Ä § 3Û
¢I!'qN0
ÚWÑN R¦Ä Õ 3DW
›C+4{,T
§ÝI ƒÄS ‚¿à R¦Ä t 3E0
<AHP‚B)
 [³R BƒS •xH R¦Ä t 3E7
=B+(„$,
rY“› R¦Ä _ 3EV
ŸDHuAG
EX„L­Š ÀžˆS …Õžl R¦Ä Õ 3EX
8E2,|)R
ÐS‚ ÔÉÐåL R¦Ä t 3F2
;>6T€YO
C E 'ÌdY' ’œçõ R¦Ä “ 3F3
8>"7{KV
±±` R¦Ä “ 3F4
8>QG|C
‘ad Åœ R¦Ä § 3F5
¡HTJrF>
ÛN E ž´DS ÔÉÐåL R¦Ä t 3F6
<@E‚.U
ê›S …Õžl R¦Ä OK 3F7
9AN7~71
§›|A ’Ž›R ÃËD t 3F9
9>FB}<E
F•NK‰N »Y_G ÃËD _ 3FK
 E7At!<
FAÇKeN ÔÉÐåL R¦Ä SD 3FU
;KO$K
cè ‚¿à R¦Ä å 3G1
¥H EmQ,
yYûA ÔÉÐåL R¦Ä - …L ’Lÿ¾ ÃËD ô 3G2
9N/B}C@
ÂDSWŠ^ ÔÉÐåL R¦Ä ò 3G3
£G)oK5
®H“™ ‚¿à R¦Ä ò 3G4
£FT)p-2
ÛWÎN MY R ÃËD WV 3G5
¤E8CmF=
ªI Ðà R¦Ä ò 3G6
¤FT4o
³N-RåRK ¬ 3G8
G85x$B
Üšc FM ïÑ R¦Ä å 3G9
¤FQ'mX;
y`D ¡kN …Õžl RåRK § 3GM
 I  t)T
¶d K`ÞS Ðà R¦Ä Õ 3GV
8EU|*U
ÅœSáƒ ÔÉÐåL R¦Ä ™ 3H4
:M3@!C
cè R åRK ¬ 3H5
GFKx"I
¹ãÄ rY •xH R¦Ä _ 3¹
ŸG?-u-K
”ÎN ‚¿à R¦Ä WV 3I2
£DTSp#U
rY K_G R¦Ä _ 3I3
ŸE>Pu4I
ž´WsD ÔÉÐåL R¦Ä WV 3I4
¤D-<nE!
ÛYeN-PÅœIPSÜþ R¦Ä ò 3I7
¡ETNr6
¡ÈeN ‚¿à R¦Ä SC 3J0
£>QYo"R
žD³“™-C“Uh h` R¦Ä SC 3J1
£>;@nY>
Û±S ÃËD w 3J6
¢<MQpE
Yb‡ „c ÔÉÐåL R¦Ä ñ 3JA
9CQ/}JS
FaE”N ÃËD ñ 3JC
:E F~PF
SY•ÒŽ ¡§LeN ‚¿à ÔÉÐåL R¦Ä ñ 3K3
=CYPƒJT
áÄH ÃËD ñ 3K4
<C09‚:A
”RK ¹D …Õžl R¦Ä ñ 3K7
<D97ƒ3)
‚”xj ‚¿à R¦Ä ñ 3K8
;C+G1Q
K`Kí¼ R¦Ä ¬ 3KK
ŸG#MuTA
HF džP R¦Ä ñ 3ñ
<C8(‚.2
rY •xH R¦Ä NV 3L2
BAMI‘CC
»Y_G M •xH R¦Ä § 3L7
£JJ0q4M
‰T´ÃËD ÔÉÐåL R¦Ä ¬ 3LF
E'KwF;
wd[S R¦Ä  3M0
›B2Uz?8
Õ[eWN R¦Ä l 3M5
Ÿ@JPt9G
“FAYâf ÔÉÐåL R¦Ä ú 3M7
 B=$t!<
£ÄH æ~iS R¦Ä l 3M8
ž?5*v6
ÂRaN ÔÉÐåL R¦Ä  3M9
›??Cz#%
Õ¿T ¡W€Y AUX¬ç× R¦Ä ¬ 3MY
žFMIwBN
›WeN R¦Ä NJ 3N5
§GDhK=
|D BžD³ R¦Ä NJ 3N6
§F1Nh2N
”ëO…N ‚¿à R¦Ä ô 3N8
9M-G}UN
£ÄH O”¡ R¦Ä › 3£
9G4$~3
}¦€[ R¦Ä § 3NP
¢H(-r-A
G¥› R¦Ä Œ 3O1
CC-L–WM
P·„œ ÔÉÐåL - dEkN E. ïEP¡ù ÃËD OK 3O3
:@Y"4X
ÞYa ÔÉÐåL R¦Ä OK 3O4
;A(!E:
ÂLfº ÔÉÐåL R¦Ä OK 3O5
;@4'€65
¡RžS •xH R¦Ä Œ 3O8
CB,R–,0
y`D “ÿ aG‹}L R¦Ä OK 3O9
8B@E|QI
vGGS rYåT´ R¦Ä OK 3OK
:AEC'
Õß ÔÉÐåL R¦Ä ™ 3P3
=L3A„15
§} R¦Ä NV 3Q0
CD5”$"
€ yOS …Õžl R¦Ä “ 3R2
›<'Hz:T
¡Ä R¦Ä “ 3R4
›=>H{;)
JiÉˆS R¦Ä “ 3R7
›<,@zF6
S‚ßSÜþ R¦Ä _ 3R8
 DE8sM7
“ÿÂY RåRK t 3R9
:<39YF
ƒS‚MÕN ‚¾cî[ R¦Ä § 3RC
¢J:<r@
SÂ¾ ÃËD … 3S2
ªJ<Qd66
¬‰£g îœé R¦Ä Š 3S4
EH$+™FU
S´Iäc –aS R¦Ä § 3S5
¢I 'r8&
eÿfE dbE R¦Ä Š 3S6
EI+7˜7.
›¡€M ãY dbE R¦Ä Š 3S7
FKGT™UN
y`TS å« R¦Ä Š 3S8
EH<B™5/
‚™[ dbE åÇ_G ÃËD Š 3S9
EK,N–'X
„ÛR §œS R¦Ä t 3T0
:?P3~NB
W|ý R åRK t 3T2
9;:N}1D
áY„±œE ÔÉÐåL R¦Ä ’ 3T3
œK Dz+
fš_ R¦Ä í 3T4
G]%;¬=#
FAYâf aG‹}L R „c R¦Ä t 3T5
:;T;~W
C“RK R¦Ä t 3T6
:?&/N
§DD€ ã« g“™ R¦Ä ò 3T7
£GG1pN;
’LDŒT Œq[ R¦Ä t 3T8
:=FJ3L
vG ™ •xH dbE åRK R¦Ä t 3T9
=;:.…V+
dAäŠD ÔÉÐåL R¦Ä ñ 3¯
;CW@€DR
l …YcS R¦Ä § 3f
¢H<qV3
Jc× à€R …Õžl R¦Ä § 3ª
 GP't+=
íƒ±œE R¦Ä t 3t
:?5<31
ÔRPHY ¹T ÀžˆS R¦Ä Ù 3U0
CH-‘2/
ÂRaN ¥FS R¦Ä Ù 3U1
DK."‘FY
êëÎN ¤¼K R¦Ä Ù 3U2
DJTJ‘;&
áW”N ÃËD ÷ 3U3
CL')ŽR#
Þ_T “Ba §«‹N R¦Ä ÷ 3U4
@KB6ˆ.:
AUG¥¯ R¦Ä ÷ 3U5
CM9NŽ4N
xH”RK R¦Ä ÷ 3U7
CM:QŽR-
vG Þ™Y R¦Ä ÷ 3U8
BN'NŒ$W
áÇhR R¦Ä ÷ 3U9
CL*HŽ$4
Òdc dbE åRK R¦Ä SD 3V0
>II<…3
ƒY Oßi …Õžl RÃËD Õ 3VS
›D7FzR=
P{ _ ãY R¦Ä ò 3W2
£GD*pOH
ÿÕRR RåRK MD 3W3
¦DU$j3;
…S ÃËD R¦Ä Â 3W5
FN=M—K;
øÁiáƒ R¦Ä x 3W6
¤@>AlLG
y`D ‚Ç¼ ÛM R¦Ä Â 3W7
EMU1•"Y
E·EKA ÔÉÐåL R¦Ä SD 3W8
<KN DD
§DD€ ã«-¶d ¦_T R¦Ä ò 3W9
£GGFpMN
£ÄH ã« g“™ R¦Ä ò 3X5
£GI#pO.
Âœ “ÿ ÔÉÐåL R¦Ä ç 3Y0
8H-K}#9
³Š³ L S‚ß ÔÉÐåL R¦Ä ç 3Y2
œHY$yM8
’cŽT ”ÎN ‚¿à R¦Ä ç 3Y3
8G3L|.
WsDv› ÔÉÐåL R¦Ä ç 3Y4
9GJ(}G
gÍË ÔÉÐåL R¦Ä SD 3Y7
=K55ƒ8.
ýbjR žkR R¦Ä í 3Z1
>^OTÄ%U
ÂfRV‰â ÔÉÐåL R¦Ä § 40C
 H*t-
^aE “ÿS ÔÉÐåL R¦Ä ’ 40D
žKM7w%.
îœE R¦Ä ð 40G
AAE Ž&S
aD dEÂÄ RÃËD ò 40I
¡E<1r%1
”É“ R¦Ä { 40U
AFY(‹FG
ŒLK_S ÃËD § 41C
¡HG<sDR
»OYÛÛ ÔÉÐåL R¦Ä t 41F
<@&ƒ1N
¿Ikº—Y RåRK § 41G
¢HP7r:K
B•„±œE R¦Ä ò 41N
¤G*InX+
”I-EPH•IM R¦Ä { 41U
AE1KBT
…Lá·› ÔÉÐåL êë E §œc ÃËD  42A
œB".yON
ìODÀ¼D R¦Ä µ 42B
¨G8Lf97
°—E CŸUD R¦Ä § 42C
¡I?AsL9
åRR R¦Ä ò 42I
£F7pK
ÿYd[E jI¸TS R¦Ä » 42J
¢;PGp Q
^AYc …Õžl R¦Ä Õ 42M
œB=2y@1
Õþ` ‚¿à R¦Ä { 42U
BG&VL
ê›S R¦Ä › 42V
=F!;ƒ>O
Õì…× ‚¿à R¦Ä x 43A
¤A5!mM8
høOg »I¸T džP … 43B
ªJIAaY9
Oh«A ÔÉÐåL R¦Ä Â 43D
EM2Q”FC
œE±œE R¦Ä § 43G
¢H(Bq>K
”ž[ ÔÉÐåL R¦Ä ñ 43K
:D2-~Y<
£Ä¹… ÔÉÐåL R¦Ä ô 43Y
›MS4|-B
ƒœE RÃËD ð 44A
A>=$GS
´€S A. ´®E JR. …Õžl ÃËD … 44B
ªK(Ec,G
Ÿ— R¦Ä ’ 44C
žH;RvX!
TZ R¦Ä § 44G
¢GQ2qR-
fNK¬€R “ÿ RåRK OK 44M
8AH0|V'
rY –aS R¦Ä q 44N
¨GH9gJ/
¹r_S ÃËD Â 44T
FLY?˜OG
Þ‰} G¿ÉÎN R¦Ä { 44U
AEKP/
Bž¸eN R¦Ä § 45G
¢H@)qLI
§ü¶¦‰S Ðà ‚¿à R¦Ä ñ 45K
:E#GI,
¡W^Š› ÃËD t 45R
8<2)|-9
­LkR “ÿ F S džP Š 45S
EI$F—#D
ŒRžˆeN ÔÉÐåL R¦Ä ™ 46D
;M9"'"
rY åRK R¦Ä q 46N
¨GY#gP(
læ› R¦Ä WY 46U
BI(U 1
”Y‡ R¦Ä § 47G
¡I,9rRN
Õ¿DžD³ ÔÉÐåL R¦Ä ñ 47K
:D*?<(
„•L JcŽY aG‹}L R¦Ä NJ 47N
§F=:hAT
ÒÄg ÔÉÐåL R¦Ä › 47V
<FD6‚::
¨‰ŒN •æDS ÔÉ-LY['S ÃËD ô 47Y
9LD<~$.
‚´•N R¦Ä w 48A
¡>5Xq.?
C“a ÔÉÐåL R¦Ä § 48D
¢IP"rJ7
wîwN ÃËD § 48G
£I$*pS7
B•XeN ‚¿à R¦Ä WV 48I
¤DG+nE$
›« Ðà ÔÉÐåL R¦Ä ñ 48K
<D:6T@
ƒ~Y Åœ ÇªlI¸T¦Ä å 48P
§G&Ui.=
¡R€M R¦Ä ÷ 48S
AN?XŠL5
y¶fR y¼N žkR _fþl–C À–E¦Ä WY 48U
AG9;‹;6
R¦Ä ”}fE R¦Ä » 48X
¡9D?p=-
æ›Y æ›¤¼K áùc R¦Ä ô 48Y
9NYY}XW
G¬…R ‚¿à R¦Ä w 49A
¡@CFr=<
d·Gg ÔÉÐåL R¦Ä SD 49B
>J7#…4<
ŒÈ “ÿ R¦Ä ’ 49C
ŸH=Fv'4
•NK_ R¦Ä t 49F
<=+EƒW)
²™ îœé R¦Ä § 49G
¡H@JrT>
£R’´ R¦Ä ñ 49K
:C9*P$
LUFÿR R¦Ä q 49N
¨FO;fK!
al ‚¿à R¦Ä t 49R
;;JJKE
ãBB R¦Ä ÷ 49S
DNPH7C
ïOï[I ÔÉÐåL R¦Ä WY 49U
@I-#Š%.
´E…HUE± îœé R¦Ä Œ 49X
A@=J7U
b”{LUí R¦Ä í 4A2
@ZRÀ.5
¦LK ‚¿à R¦Ä- ‚ÖËI¥ ÕŠE ÃËD w 4A4
 @%s&M
Ž] ‚¿à R¦Ä  4A5
›ASOzE>
S‚ßSáƒ ÔÉÐåL WŠD ÃËD l 4A6
 @G1t3
gœ ÃËD l 4A9
 @:7sI/
‰kˆsD ŒÈ R¦Ä í 4í
E_:²E*
Î{H lãq R¦Ä q 4B0
¨H?EgP 
Ó`‡Üþ R¦Ä q 4B1
¨HK<h%X
‚™cOw ÔÉÐåL R¦Ä q 4B6
¨IRDg6M
S´ƒ[ “ÿ R¦Ä q 4B7
¨IQ:gJ8
ƒÄÎN ÃËD µ 4B8
¨GG7fQS
­õÜ× R¦Ä µ 4B9
¨GTWfLD
ÂLÿR/ƒ² ÂfRŸO R¦Ä _ 4C2
¡G7RrXT
GIäŠD ÃËD NH 4C4
©JSe;X
–K€Y ÔÉÐåL R¦Ä ç 4C7
›H>O{ 
lvA ÔÉÐåL R¦Ä ç 4C8
›FYLzKV
Í•õ ÔÉÐåL R¦Ä § 4D0
¡HL=rJ)
¹OÚO …ÁÑS R¦Ä Ù 4D2
CK!1?A
FÇ€R R¦Ä ç 4D8
8I2}'>
l” ÔÉÐåL R¦Ä › 4D9
;F$J2M
Ë€™lE ÔÉÐåL R¦Ä ™ 4E7
;LX€<U
ž´DeN R¦Ä ™ 4E8
=LSK„30
²d¦Ä R¦Ä / ÿYd[E RåRK OK 4F1
9B+2~2L
å£“ ‚¿à ï¨ ÃËD t 4F2
8>(@|/V
KIZc ÃËD  4F7
›?N,{3J
dEPj¾ OU–Å¯ ‚¿à R¦Ä  4F8
›?8B{!-
“Õ·E ƒß ÔÉÐåL R¦Ä ™ 4F9
;L2P€.T
y¼N±œE ÔÉÐåL R¦Ä å 4G1
¤G8Nn5;
¡m·G _C R¦Ä q 4G2
¥HH!lTS
§œc R¦Ä ò 4G3
¤FXTo >
YO¿GdÑN ËŽR …ªO R¦Ä ò 4G4
¤FWHnFD
ÕNƒE ‚¿à R¦Ä ò 4G5
£ELJo$(
FRÕ ÔÉÐåL R¦Ä F•NK”N ÃËD WV 4G7
¤E8Tn(
‚LØvA R¦Ä ò 4G8
£G1&oWC
K£X ‚¿à R¦Ä ò 4I3
£F1Ip=8
ÕRƒW ‚¿à R¦Ä ò 4I9
¢F=:pQ
B•€Y ‚¿à R¦Ä w 4J1
¢=*9oT3
Rži ‚¿à R¦Ä w 4J2
¡=*Kq+A
Æ—”N BƒOñ ‚¿à R¦Ä w 4J5
¡<N3qA)
d ”×S R¦Ä w 4J6
¢<K)o?>
ªE{€N ‚¿à R¦Ä w 4J8
¢>5.p?O
¨Dƒ ãY R¦Ä í 4K0
CYMO¸%N
OUZ_Kè R¦Ä í 4K5
DWV>¶9R
øsMÃËD ÔÉÐåL R¦Ä ç 4K6
œFIVz7H
ÂLZ R¦Ä ñ 4ñ
;C I€@+
“ÿ `N RÂY ‡¯fS R¦Ä § 4M0
¡JGLsTQ
ŒRƒœ ‚¿à R¦Ä  4M1
›B4S{C;
á[E±œE ÔÉÐåL R¦Ä  4M2
8A&X{QO
ŒR‰S€ ÔÉÐåL R¦Ä  4M3
œ@N<yHJ
ïÁY “WN ÃËD § 4M4
¢I%Ir4S
hRÕß ÔÉÐåL R¦Ä  4M5
œ?;/y8?
Ì«ËL±œE ŸwN ‚¿à R¦Ä KY 4M7
ŸBMYtNE
C“a™[ ÔÉÐåL R¦Ä  4M8
œ@DSy5F
‚Ö_G ÔÉÐåL R¦Ä  4M9
B6-xDR
ÕÇeóŠOU¸ R¦Ä NH 4m
©IL"e5-
Õì…×-²HR”N R¦Ä Õ 4Õ
œEKy7'
›W”N'S R¦Ä § 4N0
¡H/2sJV
y¼nsD “ÿ R¦Ä NJ 4N1
§G%Hh2N
§DD€ŽX îœé R¦Ä q 4N2
¦HHMk.4
‰D³RWsD ÔÉÐåL R¦Ä ™ 4N4
:L#4'X
y¼› R¦Ä q 4N7
§H0-iM,
SqhR R¦Ä OK 4O1
;@CEP
˜ÒÄN ‚¿à aG‹}L R¦Ä OK 4O4
8?T@|Q@
´cOÿE ÔÉÐåL R¦Ä OK 4O5
;BM/€3=
h~c ÃËD OK 4O7
:B42€(H
»`DaAU ÔÉÐåL R¦Ä SD 4P3
9J,~AA
I H ã« JR …Õžl R¦Ä õ 4R1
=Vw:W
J–ñ[ ÔÉÐåL R¦Ä l 4R3
ž=:,uSK
”êR G¬Ä ÃËD R¦Ä ’ 4R5
LM1xK=
§L£R ÔÉÐåL R¦Ä ™ 4R6
:L-C84
E¿¢E R¦Ä “ 4R7
›<9Yz78
ÛUPÅN g“™ R¦Ä l 4R9
ž<-Dv%E
ìLD –H ÔÉÐåL R¦Ä Š 4S1
EH6Nš78
ÿN Jc¾fDT RÃËD Š 4S2
EKF3—>(
rY¦Ä R¦Ä Š 4S4
FK@W™!)
d ^O”S ÔÉÐåL R¦Ä ™ 4S5
:NCA83
â[ dbE R¦Ä Â 4S6
ELD-—%8
”‰N R¦Ä Š 4S7
EH"—5L
¦Ä“™ Ô‰£ R¦Ä Š 4S9
EK*Y˜A6
ÿüâH ‚¨“™ R¦Ä t 4T2
:>XD;0
ÐRC€ eWN ‚¿à R¦Ä ÷ 4U6
@M7%‡?I
²d ‘RK ŸD³ R¦Ä ÷ 4U7
CKQD+*
hœ »I¸T džP ÷ 4U9
CJJ'ŽI*
•ˆËY R¦Ä ‚ 4V0
@F#DŠKM
À`gH ¨íS RÃËD ‚ 4V1
>CGN†M 
£ÄHWsD ÔÉÐåL RæŠT - ±xE ÃËD ™ 4V4
:MI<A6
¡Y ÀžˆS ÔÉÐåL R¦Ä › 4V6
=HFV„H"
hcÃËD îœé aG‹}L R¦Ä VT 4V8
¨HUDfQW
`fŸ¨ ‚¿à R¦Ä › 4V9
:H$J€ 1
ã™cA dbE R¦Ä Â 4W0
FM5I—>(
°—ÃËD Fõ R¦Ä x 4W4
¤B/m"J
æNK Åœ R¦Ä x 4W9
¥A!!kJ(
²«_GeN ÀžˆS R¦Ä SD 4X4
;J!I€=V
•âjR R¦Ä § 4Y1
¢H?UqQ5
“ÿS OF ^E £ÄH R¦Ä § 4Y4
¢JTKrRA
å• ÃËD § 4Y8
£I*&pK-
¶û‡ “™_G R¦Ä § 4Y9
¡J0<sL2
UP¨R ¡üØ ¤¼K R¦Ä í 4Z2
?_T0Á1J
¹ºýLD R¦Ä í 4Z5
H\8«(R
Jí|OF ãY R¦Ä í 4Z9
DY9%µ=/
Ê[ ‚¿à R¦Ä § 50D
ŸL?v.8
á·“™ ÃËD t 50F
:>@TA9
¹Âù ÉX[ …Õžl R¦Ä § 50G
¢I)r&
ÿ“™ ÔÉÐåL R¦Ä _ 50I
ŸFK=u7L
åW›E Ðà ÔÉÐåL R¦Ä › 50K
9F$X~)F
PU~âT ûÙc¦Ä ú 50M
ŸAG4tBT
Ÿ~¡Ä ÔÉÐåL R¦Ä t 50R
:;QF3
åR” R¦Ä Ù 50S
DILE’V)
¡WK_S±œE PÇ®KI ‚¿à R¦Ä w 51A
¡>/q8/
†³€Y ÔÉÐåL R¦Ä ™ 51D
;L3"€J,
lKAY R¦Ä § 51G
¢I&CqMO
“ÿ Ðà ÔÉÐåL R¦Ä - CJ Eî¾ ÃËD SC 51J
¤?Q+mL#
„ÛR R åRK ñ 51K
8DUS|S$
OS‚Û ‚¿à/hüg KAUä”N …Õžl R¦Ä § 51M
¢JF<r%2
”ÎN±œE ÔÉÐåL R¦Ä t 51R
9<TL}W%
§O l Wž¸T R¦Ä í 51Z
E_&S³4%
”ÎN ÔÉÐåL R¦Ä w 52A
¡?BJq9C
AcO îœé R¦Ä t 52F
:?!$+U
yO« R¦Ä § 52I
¢IPOrG
€E ‚¿à ÜßcS ÃËD SC 52J
£@,Fn,(
´€S E y{Z”´c ÔÉÐåL R¦Ä ñ 52K
9E;R~(=
d IG}¥ R¦Ä ÷ 52S
DM1<"R
²bjRÏ ¥ ‘ad ŽR±„ R¦Ä Ù 52U
CIO<‘1U
a…R ÔÉÐåL R¦Ä ô 52Y
›M"#{TQ
DR. C P Þî³ SR. R¦Ä w 53A
¡>0%r9
OÞ³ Ðà ÔÉÐåL R¦Ä ñ 53K
9DD}N%
ýÖÛ€ RÃËD ÷ 53U
DN!F#
WsDÌä “ÿ R¦Ä § 53W
¡I?.rXJ
ƒÄ €E R¦Ä t 54F
<=RT‚>6
hF¿çK ÀžˆS R¦Ä » 54J
Ÿ<ISt'$
RWJ RåRK t 54T
8;KH|PM
lãq R¦Ä ’ 54W
žHI!w78
Üþ‡S ÃËD § 55D
£I(PpY
»Y_ ”œO R¦Ä t 55E
:?70€)8
£LD ÃËD § 55G
£I/QpB:
b“A R¦Ä Ù 55H
CIND‘&!
S“f ÌN R¦Ä WV 55I
£DLEo0C
OX‘ù ÔÉÐåL R¦Ä ñ 55K
:C.%#B
d Ðà ÔÉÐåL R¦Ä  55M
œ?U>yQF
å~WsD R¦Ä Â 55S
FLB-—FG
¶û‡ AcODƒ… t 55T
<A*Qƒ6E
Ìï‘ù ÔÉÐåL R¦Ä - ƒÄ W ÜNÿ ÃËD ô 55Y
œINWyON
áÇhR Œq[ R¦Ä § 56C
¡I"?s.$
WY`ÚT ‚¿à R¦Ä ò 56D
¢FSq0R
Ãïc ‚¿à R¦Ä t 56F
<>O?‚6T
_` ¤¼K •xH R¦Ä § 56G
£I@FpDQ
§œdaÝ RåRK § 56M
¢HWMr F
Ž®ÙE ÔÉÐåL R¦Ä Š 56S
FLY™T0
g€Sáƒ R¦Ä … 57B
ªJ0'bTD
¶d ªOY ÔÉÐåL R¦Ä ’ 57C
ŸHMPv43
•Y ‚MÔÉà R¦Ä § 57D
£HJ-pS7
ªOY R¦Ä ÷ 57S
DN:O‘T,
J`A R¦Ä ’ 58C
žHR4w"?
HUGG_S …Õžl R¦Ä SC 58J
£@&.mU,
„ÐL ‚¿à R¦Ä MD 58M
¦E@9iR)
aIûE ÃËD å 58N
¦F/-j@E
°—EÃï R¦Ä ÷ 58S
DN6;0
jž¯³ ¤¼K ºªIP t 58T
:?(%;!
›WeN ÃËD … 59B
ªKCXd,V
eR´¦Ä R¦Ä § 59M
¡K!3s33
£RÂLK H·[ ‚¿à R¦Ä ò 5A1
£G,Gp?"
ÂÖc ƒv¾ R åRK w 5A2
¡>??qF<
OK|[A ÔÉÐåL R¦Ä ž´D dOîœ ÃËD õ 5A4
ž@WvI@
’£}-Õì…× ‚¿à R¦Ä õ 5A6
?9UwIK
ƒOŽkLT …Õžl R¦Ä w 5A9
 >V.rGM
êë H áY“N dbE (g“™ ¦™) R¦Ä VT 5B1
©JM5eO@
Þ•ew ‚¿à R¦Ä q 5B2
¨I!#gQF
áWœS ÔÉÐåL R¦Ä ™ 5B4
>NNA„,H
}¦€[ ÔÉÐåL R¦Ä ™ 5B5
<L;FKB
FlÕ{H RåRK ” 5B6
©GA&d>7
a¾Ž“c ‚¿à R¦Ä q 5B7
¨HG9g@M
h` …Õžl R¦Ä NH 5B9
©J"Pf:
ø–K •æDS R¦Ä í 5BK
F]>$¯QF
ác› dA³ ÃËD t 5C1
;;I8€GG
ÂïÜÖ ÔÉÐåL R¦Ä ™ 5C8
=M3"ƒ?
´`Û“R ïËF R¦Ä í 5CD
Eb"6³@F
£ÄHWsD ÔÉÐåL R¦Ä ç 5D2
›I8T{*%
WsLŽY …Õžl R¦Ä § 5D5
¡K'Ts@0
åº[S R¦Ä ò 5D6
¤FDSo"%
ã™— ÃËD ùƒ… R¦Ä ò 5D9
¢G+8pW:
å~c R¦Ä ò 5E9
¢F6:q*U
ŒA vi±œE åžï R¦Ä “ 5F0
›>=UzW(
¦d wRZA ‚¿à ÔÉÐåL R¦Ä t 5F1
<?*%ƒ2,
¹…R ÔÉÐåL R¦Ä “ 5F4
›>M1{+
øUEvù Åœ R¦Ä “ 5F5
8>2G{N
^–ÿº R¦Ä “ 5F8
8>M<{W8
€ ƒY R¦Ä q 5G0
¦HXSkV-
_` “ÿ R¦Ä å 5G2
¥F!-lPO
¶U C“ÊE “ÿS R¦Ä ’ 5G4
L2Vy;N
øUäeN R¦Ä ò 5G7
¢FS%qR%
y¼¾Üþ J¶üâf aG‹}L R¦Ä å 5G8
¤F4AmB<
C€ “ÿ ÔÉÐåL R¦Ä SD 5H3
9JL/~G/
¡RkY ÔÉÐåL R¦Ä ™ 5H4
<MM:UT
¹¨ R¦Ä í 5¹
EZT6³C5
»ŠA ÔÉÐåL R¦Ä _ 5I2
 F>5t>T
ïcÙ` R¦Ä _ 5I4
 F(Ft+ 
wLkd[ R¦Ä _ 5I6
 FA+t-9
¹œY Åœ R¦Ä SC 5J5
£?0"n5D
T’N Ðà R¦Ä SC 5J9
¤@#0lQT
Ba«€R ÃËD ñ 5K0
=EJ?ƒ?4
ZË…R …Õžl RåRK _C R¦Ä ¬ 5K1
E7*wY:
ªIÜ› ÔÉÐåL R¦Ä ñ 5K2
=D9!ƒK
S´UY-Ìï R¦Ä ¬ 5K4
F%!xA7
 UâZ ÔÉÐåL R¦Ä ™ 5K9
;L/2€V>
K®¬OF R¦Ä í 5ñ
DZ3µ-M
“KO¯ ÔÉÐåL R¦Ä ™ 5L0
;NL€1=
¡ÄŽœE-Õþ` ‚¿à aG‹}L R¦Ä l 5M0
Ÿ@6<tUY
h ’ß ÔÉÐåL R¦Ä °—‚m ÃËD  5M1
œ@-Jy09
‘ùY„ ÔÉÐåL R¦Ä  5M4
›?PKz3V
¤Ydl “ÿ R¦Ä  5M5
8B2C|8G
½wR ÀžˆS RåRK § 5M6
¢J&7r8-
G·ÚN Ÿ² ÃËD  5M8
›?U8{(%
zbTSÜþ RåRK Õ 5Õ
8EAF|9L
iû`D »Y_G ŽR±„ R¦Ä  5MZ
œ@>FyXM
 i„ R¦Ä ’ 5N2
žK>0x.@
rY ¡kN R¦Ä ™ 5N4
:LCAC,
KÊKWsD RåRK q 5N5
§HiKC
¡T ÃËD § 5N7
 I#Pt#G
Œ«ËeN ƒÄ §œc aG‹}L R¦Ä ™ 5N8
:LQ,*=
}K›K R¦Ä í 5NK
BXJ&»2
±Ð ÔÉÐåL R¦Ä OK 5O1
;B&<0*
˜ “U¸‰N ÔÉÐåL R¦Ä SD 5P2
<KMN‚M 
 ‡¹ ÔÉÐåL R¦Ä SD 5P5
<IT4‚ +
ÆTZ ¤¼K /KOUwƒK/ R¦Ä í 5o
>_63ÂE4
ƒY ’L‚X R¦Ä l 5R1
ž=9$v)F
O„` ÀžˆS R¦Ä õ 5R2
<54vK*
‘€Y ÔÉÐåL R¦Ä l 5R4
ž<7FuH!
R & R AcO R¦Ä q 5R5
¦HI.l)(
ƒY E. •Y R¦Ä l 5R7
ž<9.v*F
h Æ_] _Ódžl RåRK “ 5R8
8<8:{:7
OížD³ dbE R¦Ä Š 5S0
EIK'˜<)
³Š³ ýLT R¦Ä Š 5S1
EI+;™5O
¤‡„ “ÿ dbE R¦Ä Š 5S2
EI=W—W
e€Ú dbE R¦Ä Š 5S4
EJB"™V6
“ÿ vœY ´_sK R¦Ä Š 5S5
EJ=)—1)
Œ¨ ø`‚ dbE R¦Ä Š 5S6
EHQ:š=#
îœé ±EW R¦Ä Š 5S9
EK0:˜1#
jRaÙ ÔÉÐåL R¦Ä SD 5T4
<KPT‚"8
”kž~ ‚¿à …Õžl _fÖb‹}L R¦Ä t 5T9
;:QA‚=
ƒ~ ¤¼K •xH R¦Ä t 5t
:>X%€I
h[ R¦Ä ÷ 5U0
BM1-‹V=
Óß[ R¦Ä ÷ 5U1
CMPPGS
FRÃËD R¦Ä ÷ 5U5
CMCKXN
FR±EW R¦Ä ÷ 5U6
?MQF†"5
‘Ä S§^ “™_G džP ÷ 5U7
AK1)‰US
³•L› R¦Ä ÷ 5U8
BMAMŒ-X
ŒL¡N R¦Ä ‚ 5V4
>E S†/B
ïI O~ ºªIP ö 5V5
@BGRŠH"
KÁOKA ÔÉÐåL R¦Ä SD 5V8
=IPƒ;O
’LÎN ¤¼K R¦Ä Â 5W1
EM7$•$?
P K RåRK x 5W4
¤A*m):
ªIzE W R¦Ä x 5W5
¤AC+lH
¡RžS±œE R¦Ä § 5Y0
£JF-q0-
lÄ J ‰™þ R¦Ä § 5Y1
¢L %r7"
¹U¸eN “ÿ dbE R¦Ä § 5Y2
¢J1KrM<
G{Z…R'S T’N OíS R¦Ä ’ 5Y3
žHQ+vKA
Ÿd ¤¼K R¦Ä § 5Y4
¢JEBr,-
Û±D'S “™_G R¦Ä § 5Y5
£HMRp>)
¡N€Y ÃËD § 5Y7
¡L3-tC.
K`ï} R¦Ä í 5Z5
E]><´YD
BÌ™Ù³ ÔÉÐåL R¦Ä l 60A
 =IXsN-
ËƒY ÔÉÐåL R¦Ä ’ 60C
IH5x-9
ãUc ÃËD § 60D
¢I80qD&
ŽYÕ· ÔÉÐåL R¦Ä t 60F
;?DU-D
rYÂY ‡¯fS R¦Ä § 60G
¡HA rE$
Ohœ ’œçõ[ ÔÉÐåL R¦Ä x 60J
¤?T=l8*
Ài„R R¦Ä ” 60M
©H/8eWS
}îÎ¯ ÔÉÐåL R¦Ä t 60R
9<41~$N
ŒMhN ÔÉÐåL R¦Ä l 61A
Ÿ=XMu23
‘Ä bK_ÎN ÔÉÐåL R¦Ä ’ 61C
žHWNvO!
znËL ÔÉÐåL R¦Ä § 61D
¡H:"sDS
ŽÛN Ðà R¦Ä ñ 61K
9C&T~)%
›WeN ÔÉÐåL R¦Ä t 61R
8<S"{J<
‚ßA³ yOk dbE R¦Ä Š 61S
EIMY™J
Ð™Y G¿šY …Õžl R¦Ä ’ 62C
ŸHNDv#G
ÂRaN R¦Ä ò 62D
¤G.nUE
Ž›Œ ÔÉÐåL R¦Ä ñ 62K
9EPP~$L
´žd”S îœé R¦Ä Š 62S
EI,(–ET
‰§ˆeN ¡RÕN R¦Ä … 63B
©IKMdF3
ÁÝS ‚¿à €G‹N ÃËD ’ 63C
žIWBwM3
d`eN ÔÉÐåL R¦Ä t 63F
<>(7ƒO1
Åœ­h R¦Ä ñ 63K
8DO.|BA
jR”ü ÔÉÐåL R¦Ä Õ 63M
œDH1y;8
‚L±œE ÔÉÐåL R¦Ä Â 63S
EN>D“S 
à€R ÔÉÐåL R¦Ä ô 63Y
9J/2~'$
å³ aG‹}L R¦Ä ™ 64G
:M():O
€E áßOM R¦Ä _ 64I
 DCRs8C
 OÀEµ dbE R¦Ä Š 64S
EHJB˜;/
Âœ–E ÔÉÐåL R¦Ä › 64V
<FOUƒ'R
LUC ÔÉÐåL R¦Ä … 65B
«JP*aC
”zE yOk R¦Ä § 65G
¢HI r!K
Wa¾ …Õžl R¦Ä w 65J
¢?+4p5"
á¿Û× ‚¿à R¦Ä Ù 65S
ENI?’/H
G¬€Àè ÃËD … 66B
«KMa3W
’œçM q ZEëhR ÃËD § 66G
¢I0RqHB
ƒÄ R ²œS JR R¦Ä t 66R
9;D:~<W
Œî}U¸ ãY R¦Ä Ù 66S
EN=#’O1
øUä R¦Ä { 66V
@C-0‹CY
Ý[DjÁ R¦Ä õ 66Y
<3Mw5.
‘Ä h¦­T ŸW™‡ ‚¿à R¦Ä l 67A
Ÿ=X3tA>
aÁc-áTS‘ù R¦Ä ò 67D
£G'Kp*(
žO y`h Ðà ÔÉÐåL R¦Ä t 67R
;879€PL
 èd “ÿ ¥FS R¦Ä Ù 67S
EN@<’WP
|D ¹P¨ z–E R¦Ä t 67T
:9NQ"
„•L ‚¿à R¦Ä ’ 68C
žJ<2w<
aDS ÂœÑA ¹ºE •xH R¦Ä Š 68D
DK2H“CD
fAGUE ÔÉÐåL R¦Ä t 68F
9=EG~0B
¡È R¦Ä § 68R
¡I5XrN!
ÛkN¦Ä ÔÉÐåL R¦Ä Â 68S
EME%”(8
²œS ÔÉÐåL R¦Ä ô 68Y
›IJ:{LD
ž´Õ™ ÃËD § 69G
¢H8<r"
Â…ì ÔÉÐåL R¦Ä ñ 69K
9E)P~->
S“ˆeN R¦Ä å 69N
§FKOiB0
AkY ÃËD dbE/“·èR R¦Ä Â 69S
ENYT”+3
H¿ˆeN ÔÉÐåL R¦Ä { 69V
AE3FŒU
Üšc ÔÉÐåL R¦Ä w 6A1
¡>@(r,I
yIä_ Àlˆ ‚¿à R¦Ä w 6A2
¡?+Cr.<
êëÎN ‚¿à R¦Ä ú 6A4
£B7"oO<
ÂRF R¦Ä x 6A5
¤B17mH?
KImlL ÔÉÐåL R¦Ä SD 6A6
;IK5€XM
•_Y å« ŸD³ R¦Ä í 6í
D\#!¶I#
§DD€Ü× dbE R¦Ä VT 6B0
¨IY)g#J
F•NK‘Ä-Å¸“™ R¦Ä q 6B4
§IXi((
§N{E ”N R ÃËD ” 6B6
©H9Ce='
r`¶f€S AcO Dƒ… q 6B9
§HTPj89
ò‹ Ód_G ‚ _C R¦Ä ò 6C2
¢FW(qXV
´AP”N …Õžl ÃËD ò 6CM
¢F/JpIN
BƒOfN ÔÉÐåL R¦Ä ô 6D1
8K<}$L
”DÚ~ ÔÉÐåL R¦Ä ™ 6D3
<MXF=D
y¼N±œE ÔÉÐåL R¦Ä § 6D6
¡I&>s-,
hï€R ÔÉÐåL “™_G džP ò 6D7
¢G*WqR:
‹S‚ ‚¿à R¦Ä § 6D9
£J0Lq72
’LhR R¦Ä SD 6E5
:J7Y?<
¯‰Å} ÔÉÐåL R¦Ä OK 6F1
8@H:}"8
”ü_G ÃËD t 6F7
8>OC|3-
©S±œE R¦Ä å 6G1
¥GB>mJ;
WYNKsP R¦Ä ò 6G4
£F3Tp;K
ãÖ‡±œE B•DÃËD R¦Ä ò 6G5
£F'o)<
‚k îœé R¦Ä å 6G6
¥F9.l,/
ïÝƒ~ ÃËD § 6G8
¢H#Hr,9
îN ÂG›N R¦Ä § 6H4
¢H'5r2"
¡ZËeN ÔÉÐåL R¦Ä ™ 6H8
<L:U‚.*
€ã£N ÀžˆÃËD R¦Ä - ³Š³ ¹cfR ÃËD KY 6I2
 CDs,<
á[E ‚¿à R¦Ä _ 6I4
 F8t88
€X_GeN ‚¿à R¦Ä SC 6J0
£?MGo,K
Þ_T ³Š³ R¦Ä SC 6J2
£?)Jn<=
ÞLUÛ ‚¿à R¦Ä SC 6J4
¢?UBoMG
†³ÃËD ‚¿à R¦Ä SC 6J6
¢?J*oO)
B•N¡õ R¦Ä SC 6J7
£@.VmUI
Oí ª¼ “™_G » 6J8
¡;I)pEX
ïËÏ ‚¿à R¦Ä Õ 6K2
œENKz!
¤EI¸eN ÔÉÐåL R¦Ä › 6K3
:H:/S!
FR±EW ÔÉÐåL R¦Ä OK 6K4
;B/6€:?
­dcS ¶ûE R R¦Ä Š 6K5
EJ0/—>2
y¿DY „c ÔÉÐåL R¦Ä ç 6K7
›H3!zPC
ÿOÞUÆA ÔÉÐåL R¦Ä ç 6K9
œFJyVX
Üšc RåRK ñ 6ñ
:C?@!S
‰SáN ÔÉÐåL R¦Ä ™ 6L3
:L8NID
ŸwN ‚¿à R¦Ä WV 6L4
£CQ3oTW
’ïEK ÔÉÐåL R¦Ä ™ 6L5
<L,M>.
¡Zi ÔÉÐåL R¦Ä - Û±D Ó´ ÃËD  6M0
œ@K@yD/
¹º‡¹E ™ R¦Ä  6M2
œB+/yK2
€’S ‚¿à aG‹}L R¦Ä Õ 6M6
œF%KyFH
”ž`}/€E ‚¿à R¦Ä dEk †ÂùS ÃËD  6M7
œ@LOxND
”RÿD ª¼ ÔÉÐåL R¦Ä  6M8
A=Yx6
SY•ÒŽ ½ÜRãN R¦Ä q 6NK
§I-Tj(G
Â¿í¼ R¦Ä ’ 6P3
žI(Iw9#
˜±œE R¦Ä å 6P7
¥FJ"mAJ
²Lï R¦Ä “ 6R1
›<,=zOK
C€k“™ ÔÉÐåL R¦Ä t 6R3
8<35};
l±N RåRK t 6R5
9;6V}/3
fRaœ ‚¿à R¦Ä t 6R6
<< L„*M
|D ¡RáR R¦Ä í 6R7
DW+#·.*
vG mc R¦Ä ÷ 6S0
BKN6‹XK
BžD³R ÔÉÐåL R¦Ä ÷ 6S1
AK/<ŠU0
»Ši„ ÔÉÐåL R¦Ä Š 6S2
EIXXš$F
W|fR”ü …Õžl R¦Ä ÷ 6S3
AKCP‹,2
Û±S R¦Ä Š 6S4
EJJK˜7.
¦²º R¦Ä Š 6S6
EHR)š!>
“·Ë ÔÉÐåL R¦Ä ÷ 6S8
AKH)ŠKF
dEjK_ dbE R¦Ä Â 6S9
FN2K–I.
Å¾Û€ R¦Ä ÷ 6U5
AN5.‰#
¹³“™ R¦Ä ÷ 6U6
ANQ>ŠE@
HYïÝ R¦Ä ÷ 6U7
@L/C‰)C
†³Õ ÔÉÐåL R¦Ä SD 6V0
>I/I…PD
Âœ ÔÉÐåL R¦Ä SD 6V4
=IYX„-.
vÎN ÔÉÐåL R¦Ä SD 6V5
=K=$„:"
Âh F ”€Y ÃËD WV 6W0
¤E67n.B
ŒS²œ R¦Ä x 6W4
¤B5Ym5@
¯R• ÃËD t 6X0
9>#Q}/G
VÇ©aS ƒW R¦Ä t 6X8
:?22$)
ÕŠ‡eWN RåRK § 6Y0
¡J9PrYE
ág ø`C R¦Ä § 6Y1
¢KKYr<,
£ÄH ‘X g“™ R¦Ä § 6Y3
¡K:VsLP
îN Eäi ÃËD § 6Y4
 L!&u-<
TWO jfD ºªIP § 6Y5
¢LGBs72
d j€N R¦Ä § 6Y6
¢J4r6
²Lÿ R¦Ä § 6Y8
¡KI,s=&
 ¢ÿß-ysõ ÃËD § 6Y9
ŸL<>vH9
}ï ÃËD _`|A R¦Ä ç 6Z6
›G0,{@"
FaDE ê›S ÃËD l 70A
ž>.uI#
©S ÃËD WV 70D
¤E;UmQ'
ŒÊO yÁY ‚¿à R¦Ä w 70J
¡<S/r'/
Àžˆ Åœ R¦Ä å 70N
§G2Qi6W
…Á »Y_G ŽR±„ R¦Ä Â 70S
EMM,“3;
FR±EW R¦Ä t 70T
:?#F7D
æ› Åœ ÔÉÐåL R¦Ä l 71A
ž=XuA
OZK-ø–K²œ ÃËD l 71J
 =7UsC,
²d¦Ä R¦Ä ñ 71K
:CDQ5"
½ó·Y R¦Ä å 71N
¦FS<jLJ
^ƒ~ÕÄ[ ÔÉÐåL R¦Ä t 72F
;?(N&Y
²d¦Ä AUX¬ç× R¦Ä ñ 72K
:CB-3>
ƒÞ‰A ÔÉÐåL R¦Ä Â 72S
EM,*“7/
“x®fR ÔÉÐåL R¦Ä ’ 73C
HLPxFR
’ˆS ‘R ´žd _fÖb‹}L »I¸T –ÁEMY R¦Ä t 73F
:=C83
´c× ÃËD § 73G
¡I"3tM
’œD ÃËD Â 73S
EM,&“ D
™Iì R¦Ä å 74N
¦F?=j?A
ŒLîÛ …ÁÑS R¦Ä NV 74P
BB..‘YH
¹žZ[ R¦Ä t 74R
:;/€<
`–ŠfS R¦Ä Â 74S
FN;U˜EK
Å~S R¦Ä t 74T
:?)-.
ƒOŽkLT ÔÉÐåL R¦Ä { 74V
AF.HŒ!"
ŠOy`h R¦Ä Ù 75C
DKIO‘=G
P W êëÎN …Õžl R¦Ä WV 75D
¤EG nQJ
ƒ«âE R¦Ä § 75G
¢H)HrQ
©Öc ‚¿à R¦Ä w 75J
¡=G,qCX
^`Y …Õžl R¦Ä Õ 75K
8F.C|:
EFS R¦Ä  76A
œA9Qy+N
”ž› Ðà R¦Ä § 76G
£HI.pAM
rY¡kN R¦Ä å 76N
§G=KiVO
vïOP R¦Ä t 76T
:?.&9%
^O”S …Õžl R¦Ä WY 76V
?H=)‡*
}ÿi R¦Ä í 76Z
BXUU» G
’cS ÔÉÐåL R¦Ä t 77F
;=VPY'
”R€ßE eW¾ÅP R¦Ä § 77G
£I0Hq#9
¹BÏ ÃËD Š 77S
EIUQ™7
SÂN ¤¼K R¦Ä x 78A
£B*'nR#
åM'S z–E R¦Ä _ 78I
 E<!tG=
ÞN AUG¥› ‚¿à R¦Ä t 78R
8=>4|(*
•NK_ R¦Ä Õ 78Y
8F1Q|P#
Baü`D R¦Ä ’ 79C
ŸJ'?v?I
PÅ‰Pæ ãRá· ‚¿à aG‹}L R¦Ä WV 79D
¤E'Xn!K
žD³ Î_G ûÙc¦Ä å 79N
¦FS kT8
‘Ä [ R¦Ä ÷ 79S
BMPHŒD(
y¼¾áƒ ÔÉÐåL R¦Ä l 7A0
ž>FSuEJ
“›ß ÔÉÐåL R¦Ä l 7A3
 >NIs+L
ƒ`Oÿ ÔÉÐåL R¦Ä l 7A5
 ?%Ms41
dEk¾[ R¦Ä l 7A6
 @S)sN*
Ak× ‚¿à ÕRžÎN ÃËD x 7A8
¢AVGoYK
£Ä¡ÈeN R¦Ä ” 7B2
¨H1GfBG
¡ÈeN RÃËD NH 7B3
©HWGdOO
§œc FM “™_G džP ò 7B4
¢ES"pA3
rY“RK RåRK µ 7B6
¨GUKf@:
Ë‰ˆeN R¦Ä µ 7B9
¨GU=f97
Õ£} ÔÉÐåL R¦Ä ç 7C3
œIXy2N
­G ÃËD ç 7C5
œG>Tz>#
ãLD’N ÔÉÐåL R¦Ä § 7D3
¡IR>sP>
wfS R¦Ä ò 7D8
¤G3"o#X
³R”~ R¦Ä ò 7D9
¤GLFnT,
§œS R¦Ä ò 7E3
¤G,0o-,
ŒDÚ §œS ÔÉÐåL R¦Ä t 7F3
9? (~,A
Œ[ ¡~›Y R¦Ä t 7F5
9>A0}QM
C‰FeN ÔÉÐåL gi¹²R ÃËD t 7F7
:=O @)
€D³Û€ RåRK q 7G0
¦I(RkTW
jRƒN R¦Ä WV 7G1
¤F>n>6
˜ CL¥KY ÔÉÐåL R¦Ä ™ 7G2
<M9J‚;+
³AUw ‚¿à R¦Ä ò 7G8
¤G8Yo!L
Œ[ ÔÉÐåL R¦Ä SD 7G9
9I0>~@.
a‡E R¦Ä _ 7I2
¡F'1s1&
Š€`S R¦Ä _ 7I4
 DE<t8A
ÿöE ÔÉÐåL R¦Ä ™ 7K5
=NF!„ S
yA¡M ÃËD SD 7K7
9H>7~;$
”Ä_ ÃËD › 7K8
9H93~:4
‰[ ÔÉÐåL R¦Ä ™ 7L2
<L+$‚,H
¦d-R R¦Ä _ 7L8
 EKtP
˜³jE ÔÉÐåL R¦Ä  7M1
œ?C+y3S
Õ¿¯_ ±EW ’L‚X …Õžl ÃËD  7M2
œAQRz#7
Õ¿T ÙA-„ R¦Ä  7M3
›@=K{=L
OS„|A ÔÉÐåL R¦Ä  7M4
AG:xB
OZK F•NK‰N ‚¿à R¦Ä  7M5
8A<E{P3
åžS ÔÉÐåL R¦Ä  7M6
8A/V{FT
æGìß ÔÉÐåL R¦Ä  7M7
B4Hx'X
aµŠ R¦Ä  7M8
B-x1(
Þ€M R¦Ä  7M9
œB37yOP
‘Ä ÿ ÔÉÐåL R¦Ä … 7…
«M*-b@K
»UGzbZ R¦Ä § 7§
£I2=p>T
 _„eN-KAUä”N …Õžl R¦Ä Õ 7Õ
›F7-{AV
‚Ö_G å_fD ¦d R¦Ä q 7N1
¦H(?k$J
•YÕ™ L K¥S”Ç JR …Õžl R¦Ä § 7N4
¢H"FqY(
yiŠA „iÉl R¦Ä ™ 7N6
?NC>…UN
À—Ãa AcODƒ… NJ 7N7
§EJ&i5R
Üßc îœé ìLF ¦Ä R¦Ä å 7N8
§F5Ti?Q
Ú}LD'S R åRK _C. R¦Ä x 7x
¥AITjF/
æÎ R¦Ä ’ 7P5
ŸK!Vv7D
°—E žkR ÔÉÐåL R¦Ä SD 7Q7
<I?E‚JC
ã¬‡ R¦Ä t 7R9
9;'O}6#
ƒ}N R¦Ä ÷ 7S0
DM@ $"
7 OíS »I¸T åRK SC 7S1
£>YUo*<
’üâT R¦Ä ÷ 7S2
ALXIŠ3W
dK'S T’N OíS RåRK Š 7S3
EK7I˜V=
’SÚM R¦Ä ÷ 7S4
CKA-9:
_h¨™i„ dbE R¦Ä Š 7S5
EJR™)S
°—E ½LPH· ÀžˆS R¦Ä ÷ 7S6
BL<-ŒTM
î‰c R¦Ä ÷ 7S7
CN/XŽ,W
ƒ« _fÖb‹}L R¦Ä ÷ 7S8
CNYUXG
€N¡ùT RåRK Š 7S9
EK(O˜JA
Fa†OM ÃËD t 7T0
:?AB+'
rY²d _C R¦Ä t 7T7
<=Q=„"8
ž´é R¦Ä ÷ 7U8
?MCA‡"L
£ÄH ‘RK îœé R¦Ä ‚ 7V2
@DOS‰DK
vG ‘OT RÃËD ’ 7V3
žH=DvE#
BÌï ÔÉÐåL R¦Ä ‚ 7V5
>F-Q…@C
aD CŸUD ÔÉÐåL R¦Ä › 7V7
;F"V€>;
JÇ‡Üþ ÔÉÐåL R¦Ä ‚ 7V8
=FX-„0T
Ðà OF “S `I”S  ‚¿à R¦Ä ‚ 7V9
=D!,…,1
¦Ä OF ¬Â‚ R¦Ä Â 7W1
FL0Tš,
“ÿ `} R¦Ä î 7W4
¥CWWkJK
jN× ‚¿à R¦Ä ò 7W5
¢G49r""
HYh ‚¿à R¦Ä x 7W6
¦A?KiW1
áYc »I¸T åRK ÇªlI¸T¦Ä _ 7W7
 FI*tBX
^OÈÎN±œE R¦Ä § 7Y2
¡J=&sX%
ã~¥ ÔÉÐåL R¦Ä ô 7Y3
8LOC|<8
ãûé ÔÉÐåL R¦Ä ô 7Y4
8M=<}3E
vG FlLS ÔÉÐåL R¦Ä ô 7Y9
›N)K{L
Ýc¢` ¤¼K R¦Ä í 80A
D_$/µ(@
Ÿ› Å~ŠY R¦Ä x 80C
£B!DnG7
C“a ‚¿à R¦Ä § 80D
¢J!(rNK
`šcS ÔÉÐåL R¦Ä OK 80F
9@)?}E
ªI-Ðà R¦Ä ò 80G
£F,RoJ(
“±} R¦Ä ÷ 80S
AL08ŠW4
Æ_] ÔÉÐåL R¦Ä Â 80T
EM*H•P6
…Ð› áW R¦Ä WY 80V
?GSˆ(W
OX‘ù ‚¿à aG‹}L R¦Ä … 81B
©J'9d:S
»Y_ ³R R¦Ä t 81D
9;-T}6I
ÞN Þã ‚¿à ÔÉÐåL R¦Ä t 81R
;=,%€I
”ž[ ‚¿à R¦Ä w 82A
 >.Wr<+
”¥eN ›W ‰SáN ¿‹N R¦Ä ’ 82C
IP1x&.
ƒS‚E ÃËD » 82J
ž<5Tu2V
æ› øUäS ÔÉÐåL R¦Ä WY 82V
>G'*†%N
”~_– ‚¿à R¦Ä § 83D
¢KS<rJ/
¡RžS R¦Ä q 83K
¨I6Ag=X
UPeN ÔÉÐåL R¦Ä WY 83V
?J#8†D:
´éi› ¶ûE ÜßE R¦Ä SD 84D
=JY"ƒ-"
S§^±œE ¤AW‘ù ÔÉÐåL R¦Ä t 84R
:<G(
øsMÃËD ÔÉÐåL R¦Ä › 84Y
:H@JF4
¹œ`DS _fÖb‹}L ÃËD q 85N
¥I-/lKW
ÎLc ãR ¥ ‘ad ŽR±„ R¦Ä Ù 85U
CK$.MX
w}Ú R¦Ä ð 85V
@AH!‹=!
ŒÖEGè ÔÉÐåL R¦Ä OK 86F
;A%7€@=
Yðs ‚¿à R¦Ä õ 87I
>Sx9O
Ë Ú•Ú ÀžˆS …Õžl R¦Ä Õ 87K
8CQ6{YW
ø–K¡WK RÃËD ’ 87Y
žI$0w)&
åLMY• ÔÉÐåL R¦Ä ’ 88C
ŸHSvAQ
Å™E R¦Ä ò 88D
£G6+pB#
yÁ|PH ÃËD § 88G
¢GU)qJ$
E·EKA R¦Ä ÷ 88M
DNX$‘"L
A¥N R •xH R¦Ä t 88R
:<:7€%/
ÿœéS g“™ “™ ÃËD ò 89D
£GB)pG+
”ÙiS R¦Ä § 89Y
¢HJr17
G¿fº±œE ÔÉÐåL êE d›S ÃËD l 8A1
Ÿ@6)t-O
‰±ˆd[ ÔÉÐåL R¦Ä ú 8A3
 B6Js0H
T’N “ÿS R¦Ä x 8A7
£ATTn96
dEkN A. ` ÔÉÐåL R¦Ä … 8B0
ªJY=dES
¡W^Š› ýbjR RåRK NH 8B1
©I!IeT1
T’N Õ¿¯_ R¦Ä NH 8B2
©J-Pe>O
¯üc Åœc R¦Ä ” 8B5
©H35f%N
½œY ÔÉÐåL R¦Ä ç 8C2
›G@9zPN
”^EWS …Õžl R¦Ä ç 8C4
GKNy'(
e€Ú ÔÉÐåL R¦Ä ç 8C5
œGY1z>S
ªAc ÔÉÐåL R¦Ä ç 8C6
œH)Wz9;
›W ¹LdE_ ÔÉÐåL R¦Ä ’ 8D1
ŸIVEv$O
­«â[ ÔÉÐåL R¦Ä SD 8D3
:KF*~YE
åÇ C. §œc-À¯ R¦Ä § 8D4
¡I%EsFK
˜_eï ÔÉÐåL R¦Ä SD 8D6
=KTEƒ2A
C“RK ‚¿à R¦Ä SD 8D7
:JSJHJ
“ÿ `hS ÔÉÐåL R¦Ä SD 8D8
;I&S€>7
¹Âù ÔÉÐåL R¦Ä SD 8D9
:JK>.
¤OSÏeN ÔÉÐåL R¦Ä t 8F3
<?C8ƒ,:
y¶fR ÕRžS ‚¿à R¦Ä t 8F5
8?&S|H
ÔùO ÔÉÐåL R¦Ä SD 8F6
<IQ$‚HI
’œD ÔÉÐåL R¦Ä ò 8G1
£G 1pI;
‚R× “WaxE R¦Ä å 8G2
¥GT9mD:
GèR…K EXEÒk R¦Ä q 8G3
¥H"%l6.
¡RžÎN ‚¿à R¦Ä ò 8G6
¤F,0oL
Ks¾ R¦Ä ò 8G8
¤FRXnRQ
wœb_ ‚¿à R¦Ä KY 8GK
¡DFLrUJ
ƒv¾[ R¦Ä _ 8I1
¡DGFs)T
ûi™lE R¦Ä _ 8I3
 F7Ht*"
eM‰¾[ ÃËD ™ 8J7
;MGM%R
Ü~‰N R¦Ä ñ 8K0
;C>KD<
¡R¨R ÔÉÐåL R¦Ä ñ 8K2
:C.H€ B
Ð”RƒN ÔÉÐåL R¦Ä ñ 8K8
<COP‚3
¯úA R¦Ä í 8KA
D\/B·3I
”X²œ A±b‹N R¦Ä ñ 8ñ
:D.I€"G
á[E±œE-ãLDWYN R¦Ä õ 8M1
ž@A9vDQ
ÞœY WOäŠD R¦Ä  8M2
œAA7xTO
˜±œE ÔÉÐåL R¦Ä ™ 8M6
;ML,€)#
ªÁEÂfR R¦Ä KY 8M7
ŸC)'uF<
 O±hxE ²Bdc ‚¿à R¦Ä KY 8M9
ŸC7;uJ(
yI…S R¦Ä å 8N1
¦F;#j-O
rYk ´¢Aì R¦Ä ¬ 8N2
žG5YvMD
»Y_G Úœ R¦Ä å 8N4
§G*Ri,P
˜ G_›« R¦Ä å 8N7
¦F<j;,
ÛN±œE R¦Ä å 8N8
¦FVTjDE
ÁÝS R¦Ä x 8x
¤@@@m,V
dR BƒWÉˆ ºªIP ÷ 8S0
CNB#$T
¦LÎN R¦Ä ÷ 8S1
DMGI)$
Œï…a-D×hN R¦Ä Â 8S2
EM<S–;$
ÞçM J¿µ‹N dbE R¦Ä Š 8S3
EJ8"—V?
ifR gE ÔÉÐåL R¦Ä Š 8S4
DK7<“-T
‰k Oí ‚¿à R¦Ä t 8T6
::3L€$Y
ÞN ³ƒÉÕ RåRK t 8T8
;;<D€MT
×Ewf R¦Ä ÷ 8U0
AL/8‹,S
Þ™ ÀžˆS džP ÷ 8U1
AM$-‰<)
S´AýR ¥FS R¦Ä ÷ 8U2
CN"M,B
S‚Y áùc db‹N /¶d ¦z _fÖb‹}L/ R¦Ä ÷ 8U3
@NYX‡5V
ÀOß†  ¥FS R¦Ä ÷ 8U4
DMWI?@
fR× R¦Ä ÷ 8U6
?LLD‡0M
eW¾iD R¦Ä ÷ 8U8
BL1R:Y
Œq[ ýR× R¦Ä ÷ 8U9
BL7&@C
dUT bK_ÎN ÔÉÐåL R¦Ä › 8V2
;H?H 0
åRñeN ÔÉÐåL R¦Ä SD 8V3
:I4EY5
Úk ¤¼K R¦Ä ‚ 8V6
@CKPŠS2
ÀžˆÃËD ÔÉÐåL R¦Ä ‚ 8V7
=C9=„C#
›W ”RÿT R¦Ä î 8W2
¥DE2lH>
”¾ÃËD R¦Ä Â 8W3
EMN?•D,
A¨X RåRK Â 8W5
FME6˜IY
R & K rY•xH R¦Ä Â 8W9
FLOX™#:
Âï_GeN ‚¿à R¦Ä Õ 8WC
CUKxIS
C“ž«A ÔÉÐåL R¦Ä ô 8Y5
8L$M|T6
€ÁcS C€ “ÿ R¦Ä ô 8Y6
›K8C{X+
¨LTZ ÃËD ç 8Y8
8I-W|?K
JE²L B ŒœA¡M ÔÉÐåL R¦Ä OK 90F
8@P|K=
ÞUK- žE R¦Ä ’ 91C
žI/RwK3
ƒ°¶D R¦Ä OK 91F
9A'5}C/
©Ä€ “ÿ ÔÉÐåL R¦Ä ™ 91N
=M<@‚TX
´¬¹²E ûÙc¦Ä ú 92A
¡A+ArA$
ŒÄc R¦Ä ’ 92C
ŸJD:v*U
´b¯£Ow rY ¡RáR R¦Ä OK 92F
;@4%€FV
§D“ÿS R¦Ä q 92G
¦HNKk*,
d[_GeN ÔÉÐåL R¦Ä … 93B
ªJ(6bFO
ž´“™ R¦Ä ’ 93C
I/x/T
§G£N “ÊD ÔÉÐåL R¦Ä OK 93F
;AB9H/
Ìâc RÃËD Õ 93M
œEPWyAH
Û±D Ðà ÔÉÐåL R¦Ä › 93Y
:G+Q%4
G¬Ä ÃËD ’ 94C
žI9w-
°gÿY ¤¼K R¦Ä ö 94E
?>K@Š*A
Œ«±œE ÔÉÐåL R¦Ä Õ 94K
8BGQ{T 
wV R R¦Ä t 94R
9;-X~:
£… Ðà ÃËD í 94Z
>^<MÃ5L
ÇAH R¦Ä ™ 95D
=M-!ƒNP
dl‰[ MY R ÃËD ö 95E
??NSˆDC
C€k“™ ÔÉÐåL R¦Ä OK 95F
9B/ ~9N
B•D€Y rY-•xH R¦Ä í 95Z
F^K>±5>
‘X žkR R¦Ä ’ 96C
ŸHKv-!
ÂL¡œA ÔÉÐåL R¦Ä ™ 96D
:NV8T(
‚W€Y ÃËD § 96G
£I4?pO+
ûÑ–KI R¦Ä § 97G
¢IrAH
EKlíA R¦Ä ÷ 97M
?KRF†>+
³£A ÔÉÐåL R¦Ä › 97Y
:G6-H=
[ÙA ÔÉÐåL R¦Ä SD 98D
<JH!‚$"
ŽÂ_G eW¾ÅP R¦Ä § 98G
¢IINq9P
y¶eN RÃËD … 98M
©I@1d==
S§^'S _fÖb‹}L R¦Ä  99A
œ@64yW=
ãmcG ‚¿à R¦Ä SC 99N
£?0.o$<
¤AW‘ù R¦Ä ‚ 99V
@DH+‰DO
LØPK_ ‚¿à ’ÈYS R¦Ä w 9A0
¡@@Xr*
‚·š`D R¦Ä l 9A4
Ÿ@E?u3
ãR’~ “FAYâf R¦Ä w 9A5
 @G1s/7
UwïIK R¦Ä í 9A8
BW=7»5M
ïI»â ÃËD x 9A9
¢AI-pA
e¯š`IKA žkR R¦Ä í 9í
E^?²=1
ÞLÕN žkR RÃËD µ 9B8
¨GA3f8?
EîÄ ÔÉÐåL R¦Ä § 9C8
¡ISKs.K
Å¸Õa ÔÉÐåL R¦Ä SD 9D0
;J>89!
yEì× ÔÉÐåL R¦Ä - »Yü ÃËD SD 9D1
;I+06*
¡ù_G ‚¿à R¦Ä SD 9D2
>K@P…=N
h~ R¦Ä å 9D4
¦F3$j1M
Œ™O ÔÉÐåL R¦Ä ™ 9D7
;N:N,'
¡d_GS R¦Ä § 9D9
¡HEOs2M
Óø_ ÔÉÐåL R¦Ä t 9F0
:>"#€1?
îœé §œS ÔÉÐåL R¦Ä t 9F1
:=C.7L
¹kN ÔÉÐåL R¦Ä SD 9F8
<K-9MR
SYŒÕa džP t 9F9
:>CI3+
Ðª¥ jDG_G •xH R¦Ä » 9FD
¢92XnJ'
ÜälO RÃËD q 9G0
¥HQIlI
æßSÜþH £Äj®T R¦Ä å 9G1
¤FB*mO@
 ¢‡ R¦Ä § 9G2
¢HN9qL*
íƒN R¦Ä/J‡ÎN ÃËD q 9G3
¦I.l:W
ƒYleN R¦Ä q 9G5
¦I(Ul?:
æ› Åœ R¦Ä q 9G6
¦I(7l.<
E¾Üþ R¦Ä å 9G8
¥F9FlL=
w~€ ÔÉÐåL R¦Ä ™ 9G9
;LC( 
¡î} aG‹}L R¦Ä ¬ 9I0
F+4x4
²d ‰ÄY R¦Ä KY 9I3
¢CTRq-&
‚ß[WsD FlLS R¦Ä ñ 9K0
9D3;~>F
S“fR …Õžl R¦Ä Õ 9K5
›E+K{"3
åßY ÃËD ñ 9K6
:CN~MV
ËLSWŠ^ ÔÉÐåL R¦Ä ñ 9K7
:DK&€+J
K_G”N R¦Ä CLYh „«} ÃËD ñ 9K8
:CF&€%8
y¼¾Üþ ÔÉÐåL R¦Ä ñ 9ñ
;CC4+H
†ÂùS AF AUX £ÄH ãŽ R¦Ä Œ 9L2
B@Y9“QM
–ÿR”N ´OµAW ‚¿à R¦Ä õ 9M4
?0$w+D
ÿœY R¦Ä “ 9M6
œ>PWy6,
ïcÙ` ÔÉÐåL R¦Ä  9M8
›@1Ez3#
îN Þ R¦Ä å 9N1
§F;i$!
ŽÝ`S ÃËD å 9N3
§GA4iK4
F…º  ÙE R¦Ä å 9N7
¦F8@j8<
H¿T R¦Ä t 9R5
:9S/2W
‘· ’™S R¦Ä / Œî}U¸ •xH R¦Ä t 9S1
9?4$~K/
S‚Y R¦Ä ÷ 9S2
@NN9‡83
“ÿ­h dbE R¦Ä Š 9S3
EIAš(N
§›•L ‚¿à R¦Ä ÷ 9S4
DM($Q,
^aE ‘Rñ R¦Ä ÷ 9S5
BKRG@&
’ÉFaD R¦Ä ÷ 9S7
BM?1‹5(
€X_GeN R¦Ä Š 9S9
EK9-•G6
°—Ez¾ R¦Ä SC 9SC
£?WPo3?
©Öc R¦Ä ÷ 9U0
ANQ-Š6>
’LÞœ R¦Ä ÷ 9U1
BL YŒG$
ÒR• •xH R¦Ä NV 9U7
CDJ(‘:N
Àžˆ±EW ÔÉÐåL R¦Ä › 9V1
<HOJJ5
ªieN ÔÉÐåL R¦Ä › 9V2
<F)/ƒ?
¡RžÎN rY•xH R¦Ä › 9V3
>HGK…R<
ÕŽß R¦Ä › 9V5
=HJ)„8E
”Ä_ ÔÉÐåL R¦Ä SD 9V6
=I'VƒHL
¶DS ÔÉÐåL R¦Ä ‚ 9V7
=D:I„NE
´ÝR“_ ÔÉÐåL R¦Ä SD 9V9
;IKX1/
ŒÈœ ÃËD î 9VG
¦C9>iRD
­ÈÎN R¦Ä WV 9W3
¤E#Bn?
ãUø—Z ‚M…RÐl R¦Ä å 9W8
¦EQ(j;$
C‰O ¤OP Œa R¦Ä SC 9W9
¤@?Gm>/
áWdžˆ R¦Ä ô 9Y0
›M?{R
²YÛHL ÃËD ™ 9Y1
>M5@„L.
¶d GÇL “ÿ R¦Ä ô 9Y2
8L5 |4:
ãRƒN ÔÉÐåL R¦Ä ’ 9Y7
œK69yP!
€kŸ~ R¦Ä í 9Z8
BY%@ºQE
“’ˆ R¦Ä í 9Z9
EZ6F³4*
Xè ¥ ‘ad ŽR±„ R¦Ä Ù A05
DK=&‘<U
îÙi ÃËD l A08
Ÿ><Ku5&
¶ûE RåRK ð A09
B@S-C
áLD R¦Ä í A13
E[2;²YV
½N îœé R¦Ä ð A20
BA3?T
Œ‰‘Öç æ›S R¦Ä Œ A24
DG6K–G 
Á_ R¦Ä Œ A26
DG))–W.
‘Ä vD²œ R¦Ä Œ A28
DGRA–&O
S‚ß îœé R¦Ä Œ A30
EG?<˜Q0
ÜßE îœé R¦Ä Œ A32
EGS,—X@
ÛYeN îœé RåRK NV A34
DE,1•?0
í-´_ aG‹}L R¦Ä ð A39
A>Y9U%
‚d_ R¦Ä » A51
 ;K3s/2
lŽK žkR R¦Ä í A57
HY)W¨8P
©{ÇçK R¦Ä í A61
@Z3"ÀE.
T’N ÅœS R¦Ä í A63
AY";¾.<
¡R€Æ_ “ÿ R¦Ä í A67
HY6R©Y
­©K R¦Ä í A68
HY?$©<>
¯ÉS …Þ R¦Ä í A69
HY,Y¨</
Y`ÿE ¤¼K 2 R¦Ä í A77
B]%º4
´IGÉK “ÿ R¦Ä í A79
BV-0¼L<
Jí‡ ãR R¦Ä í í0
G[+%¬S6
ÜßE ÔÉÐåL R¦Ä í í1
E[=O³#
GÊDWsD-lY‡KA R¦Ä í AQY
EZX&³%)
y`±œE R¦Ä q B01
¨I78g.'
wÖŽYS R¦Ä q B04
¨I"!gA
ã­N ¡RáR R¦Ä VT B06
¨J);g3>
áW”N ÃËD … B10
ªJ6Bd&L
°—‘ùS R¦Ä q B16
§I"Oj>0
vDh‘ù ÔÉÐåL R¦Ä … B19
©I9Qd:3
½wRŸAF aG‹}L R¦Ä … B21
ªK#%d*Y
R ÛM R¦Ä ÷ B70
CN0O$;
ø–K ÜßE £ÄH R¦Ä ÷ BB0
BMPJ‹)*
G¬‰Ý-˜‚üËL RÃËD x BQ1
¤A2<m8+
Üœ°–ÿR R¦Ä ÷ BW8
BMPR‹#V
á¿Û× R¦Ä í ÏA
H^"F«%2
…R„R ‚¿à R¦Ä ¬ C00
G,UxJ,
Î{jÖ ¤O« R¦Ä NJ C01
§EE3iV
y`D ³›î aÎÄ R¦Ä ’ C02
ŸHBTv55
}På›E ÔÉÐåL R¦Ä _ C03
 G8LsV#
O„`A ‚¿à R¦Ä § C04
 ID<t1K
­LkR ²d R¦Ä ‚ C08
?DM‡49
ÕRžS ÔÉÐåL R¦Ä JÝ‡ R. ÂïÜÖ ÃËD ¬ C09
ŸG7=v7%
Ý`A R¦Ä ç C11
œGMEyQS
¨K_ ÔÉÐåL R¦Ä ¬ C15
žF;0wF?
F•SŒ ÃËD ¬ C16
ŸF&Mv)U
”ž[ R¦Ä ç C17
œHRy=K
`DaWS ¿Ikº—Y RåRK § C20
 GW$t4"
§›•L ‚¿à …Õžl R¦Ä ‚ C24
?CO1ˆUO
ÂkRLY ÔÉÐåL R¦Ä ç C25
œHJ=z<:
”xjdc ÔÉÐåL R¦Ä ç C27
œH;8y;R
§DD€eN ÔÉÐåL ÕaY ÃËD ’ C29
žI$Qw=S
a†SÜþ ÔÉÐåL R¦Ä ’ C35
žI=?wY
BƒDjÁ R¦Ä ’ C37
žHAEw4L
§œc R¦Ä _ C40
¡FIs-
Å•M Òa R¦Ä § C43
¡HL(rWS
e{`T R¦Ä µ C44
¨GW3f!.
”Ée §T´ËL R¦Ä ¬ C45
F;3wLG
¦ÄA³ ÔÉÐåL R¦Ä ’ C47
žI?Cw:X
’LÎN ãR ¥ ‘ad ŽR±„ R¦Ä Ù C48
DK5O‘;%
Ÿ²R Ÿ[ ¤¼K R¦Ä Ù C53
CJN<N>
OûE ‚¿à R¦Ä ¬ C55
žH ,w5@
ÜLT ÃËD ¬ C56
ŸG4EuFS
§œcS “™_G § C57
¢I#Kr2Y
“ÿ “WN R¦Ä ’ C59
ŸHD!vB"
ÿ™lL±œE ÔÉÐåL R¦Ä _ C62
¡G:4s-E
ŒY¥E ¤¼K /¥ ‘ad ŽR±„ R¦Ä Ù C64
DLF‘"5
zYÕ{H ÔÉÐåL R¦Ä _ C65
 G3Tt0 
ÕöO{H ÔÉÐåL R¦Ä ¬ C66
FUMxCR
¤OSÏ ÔÉÐåL R¦Ä õ C71
œ=/Ly!(
¤O« ’™S R¦Ä Â C72
EMXG“=C
X[ ÔÉÐåL ´€S R. ÂLy¼N ÃËD ¬ C73
žGP w8D
Œ«±œE ÔÉÐåL R¦Ä ’ C74
HH-xWS
”º¡œ ‚¿à R¦Ä ¬ C75
žG$w5'
¦z yOk R¦Ä ¬ C77
žH14vP)
›W ‚l_w ÔÉÐåL R¦Ä Œ C80
CB'M–/D
ŒÈœ R¦Ä ¬ C81
ŸH1;v"9
Ba«[ R¦Ä ¬ C82
žGKKw$#
ÏƒN R¦Ä Œ C83
DCOA—C0
FaE¦Ä/ÚÖ_K R¦Ä ¬ C86
žH4Fw?R
TK–ZYK ÃËD § C88
¢I&3r+3
SYLîÉA R¦Ä ’ C89
ŸHH*uW>
ÚÂGçC ÔÉÐåL R¦Ä § C91
 GY@t%G
…[E R¦Ä _ C92
 G&Pt!R
¶RL±œE R¦Ä ¬ C94
žG@vVR
Ÿ²œ R¦Ä _ C97
ŸG+Nu<:
“ÿ ±œA³ R¦Ä _ C98
ŸG&Su9B
ÐRC€ ¹T ÀžˆS R¦Ä í ´P
G_;&®BF
‚ùOî ÔÉÐåL R¦Ä í ~U
FZ>D¯IC
´¢ÿN R¦Ä í ~X
H^!Y«W#
‚Ÿ•Ú ÀžˆS ¶d R¦Ä ‚ ‚4
>DR:†6B
ŒÈœ ºªIP í CSR
E['=³LR
‚W ¤¼K R¦Ä ÷ CW0
AMVQ‹=
´—_A R¦Ä í CXC
G[@X®7C
´g`A R¦Ä í CZN
G\".¬ S
´ge´_A R¦Ä í CZO
G\?O®F&
£R”N ‚¿à ÁA/T’N îœé R¦Ä ô D00
9M-D~6
OÞ³ ÔÉÐåL R¦Ä ç D02
›I/?zMJ
KÇM ÔÉÐåL R¦Ä ™ D03
;L06€V2
wRžÎN ÔÉÐåL R¦Ä ™ D05
=ME3ƒ8+
§O ÔÉÐåL R¦Ä ™ D06
:N/?5D
F^ ÔÉÐåL R¦Ä SD D07
=K („*
áß_¶U ÔÉÐåL R¦Ä ™ D09
<NOO‚7
OJIBÂ RåRK § D11
¡II*s(
ýÄ¬E ÔÉÐåL R¦Ä ô D14
9M?%~/=
“ÿ gÍË“ RåRK § D15
¡IDFrXU
²d’™S R¦Ä ‚ D17
@DK9Š&S
YlE R¦Ä § D20
£I$FpM*
Œh ªI ‚¿à R¦Ä q D23
¦H?Ul7;
ý«ihN ÔÉÐåL R¦Ä ™ D24
<MEAEF
”Ée’ï Âfº R¦Ä ’ D25
žL%1wRV
D•YeN ÔÉÐåL R¦Ä ™ D29
:NC%(?
€†S ÔÉÐåL R¦Ä ™ D31
;N/$6+
dÜ~ ÔÉÐåL R¦Ä ô D32
9KAV}>(
ÂRaN ÔÉÐåL R¦Ä ô D37
9N)<~HI
ÞUK „a ÔÉÐåL R¦Ä ô D39
8KH6|V
dEPjN ÔÉÐåL R¦Ä ô D41
:N9F~QW
ÀžˆÃËD ÔÉÐåL R¦Ä ô D42
8J+R|YV
¹¨²œ RåRK q D43
¦HU(k,@
‚UwR •xH R¦Ä Ù D47
CJJ;U$
‚LØÜS ÔÉÐåL R¦Ä ™ D49
>NSU„M=
¤OSÏ ÔÉÐåL R¦Ä ™ D50
>NUI…/O
C“axE AcODƒ… q D51
¥I"lFY
³›ŽO R¦Ä q D52
¦HMUkP?
²d Fì ÔÉÐåL R¦Ä ™ D54
:LT!~U%
ƒÄÎN ÃËD ™ D55
;NK)€5B
”Y±œE ÔÉÐåL R¦Ä ™ D56
:M:A1G
ûi Ç‰N aG‹}L R¦Ä ™ D57
=LNLƒQB
mc “ÿ ÔÉÐåL R¦Ä SD D58
=K6Tƒ"Y
ìÂ™A R¦Ä q D59
¥H<$lW 
Ow ÔÉÐåL R¦Ä ™ D60
>N4P„SS
eW›R ÔÉÐåL R¦Ä ™ D61
<N3<‚5=
¾Õa R¦Ä Œ D63
EF;=™AS
²d¹¨ ÔÉÐåL R¦Ä ™ D64
=NTNƒY
‚º¢A ÔÉÐåL R¦Ä SD D65
;I8€5V
hL¯ J¿µ‹N R¦Ä í D66
F^ Y¯I4
ƒ³ºÜþ R¦Ä Â D69
DL":’WX
ÕNƒE ÂLeN ‚¿à R¦Ä w D73
¡?LWqG@
´Š”N R¦Ä h D74
¦DPYiBL
ÛÄ R¦Ä q D79
¥H.#m:T
|‚ß-›WF`E R¦Ä q D80
¥I10lI@
aD “ÿ FlLS ÔÉÐåL R¦Ä ô D81
9MO<~-:
O±D R¦Ä q D82
¦HE/jMM
á[±œE R¦Ä Œ D83
DEL™4Y
ŽÆOç ÃËD Œ D86
CB8U•1&
 bT'S ¶dcN ±h R¦Ä q D88
¥H&YmG"
”xË[A ÔÉÐåL R¦Ä § D90
¡JU8s"&
Ài„R¦Ä RåRK q D91
¦I((kO$
Ó¦-“¨c R¦Ä § D95
¢I"q.2
ƒ…O dbE R¦Ä § D98
£HMLpX<
ƒÄÎN ÃËD § D99
£HN!pE7
ƒY H·D …Õžl R¦Ä t E01
==@W„T>
mc[ R¦Ä ö E02
>>D ‡G,
¡T´ ÔÉÐåL R¦Ä ö E05
?>EF‰)S
€A ‚¿à-ZIP F•NK‰N …Õžl R¦Ä ö E06
=>W'…6B
`DaWS ‚¿à R¦Ä t E11
=>1R„=N
¤`E ‚¿à R¦Ä t E13
==6T„3M
òKAY Ñ_³H R¦Ä ö E14
?B@ˆ J
ÞN ”Ä_ R¦Ä Œ E16
DC"T—AO
yUkR ÔÉÐåL R¦Ä t E19
<B,ƒ7U
°—cIkR R¦Ä ð E24
@?NC‹Y*
’~iÜþ ÔÉÐåL R¦Ä ð E25
A?X+ŽML
€A ‚¿à-Jl R¦Ä ö E26
=>%R…'0
BÌ„ ÃËD t E30
;=F:XC
‰™ž^ RåRK ö E32
?B/;‰!4
S§€Y êëÎN ÔÉÐåL R¦Ä ã« ÃËD t E34
<@TG‚R&
FÍiS R¦Ä t E35
>== ˆ&O
³Š³eWN R¦Ä Œ E36
DDU.–QT
»Y_G J •xH R¦Ä ð E37
@>PM‹RL
læ› ŒÀg ÔÉÐåL R¦Ä t E38
=<5!…G 
’LÎN'S R¦Ä x E40
£AEo36
aAwN ‚¿à R¦Ä t E41
<=)Vƒ:5
À¶R”N ÔÉÐåL R¦Ä t E42
<B+.ƒ)H
æ› Õ¿¯_ “ÿ R¦Ä Œ E45
CCQH–(G
UPeN ‚¿à R¦Ä t E48
<=%<„+<
ãGÛD R¦Ä ð E51
A@A@(1
|D¡M ‚¿à R¦Ä t E52
=A+P„5U
iûc ÃËD § E53
£IPLq N
O„` žD³ R¦Ä Œ E55
DDN$™=P
hNkR Ðà R¦Ä t E57
=>XA„P>
vù ÚG RÃËD t E58
:?092P
ËOY ÔÉÐåL R¦Ä ð E60
@>N7A+
G¬A ™ ÔÉÐåL R¦Ä ð E63
A>W;ŽFG
ÿq R¦Ä ð E67
@? QŒT>
‡ªË“ Þ¬¦Ä ûÙc¦Ä ð E68
A?#%Ž'F
HUR RåRK t E70
:;B&Y8
ÞN ”NUË R¦Ä ð E77
@>D)ŒDO
ŽœS R¦Ä ð E78
@=UXSD
­c• rY åRK R¦Ä Œ E79
CBP7•R(
½¨žŠ ÔÉÐåL R¦Ä ð E81
@?.S%J
hÉO J¿µ‹N R¦Ä NV E85
DGW-”CR
‚x¡S “ÿ R¦Ä ö E89
>A4"†(Q
´_€ ÔÉÐåL R¦Ä ð E91
@B$E‹@<
‡¯xç ÔÉÐåL R¦Ä ö E92
?@KNˆ :
ûiWsD R¦Ä ö E94
@?3*ŠR 
¾[ ÔÉÐåL R¦Ä/åÇ ÿR´Ø ÃËD ð E95
@=YXŒ3<
§D îœé RåRK ö E98
?@KAˆJH
ËOY Fõ ºªIP ð ¼0
@>G(>P
ê›S ÃËD t F00
9?BL~(K
Æ`AH ÔÉÐåL R¦Ä t F01
;@.DK?
’Lãþc ‚¿à R¦Ä t F05
;@+?/ 
”ž` RåRK t F06
<@PE‚)@
EUFAÇA ÔÉÐåL R¦Ä OK F08
9A/S}CE
|¥fE ÔÉÐåL R¦Ä OK F09
;@<K7L
jN×â¯ ÔÉÐåL R¦Ä OK F10
9A67~W
ïËL ¤¼K RåRK » F13
¡8X&oTV
’´—A îœé R¦Ä t F14
;?VR€C
„c ÔÉÐåL R¦Ä t F17
8=OT|'5
…ÈÅS ÔÉÐåL R¦Ä t F21
<@J5‚=N
¨R× ÔÉÐåL R¦Ä OK F22
:B5&.D
•ˆc ÔÉÐåL R¦Ä t F23
;>9'€FX
½LPH· ÔÉÐåL R¦Ä OK F30
:@=:~Y5
“ÿ fXO” dbE åRK R¦Ä OK F31
9?Y:~D@
jlDeN ÔÉÐåL R¦Ä OK F32
:@,W:8
ÃaãU¸ R¦Ä Œ F34
CBQB–9P
¦«Ø K_GÚM R¦Ä t F35
:>U6€8)
‚ùËL ÔÉÐåL R¦Ä OK F36
;A/Q€X!
ŒRžZOZO ÔÉÐåL R¦Ä ö F37
>?DV‡SL
iÉS ÔÉÐåL R¦Ä t F41
9>1M~EP
Ë Ú•Ú ÚWÑN R¦Ä-dEk¾ ÃËD  F43
›?):zEN
bj¾ ÔÉÐåL R¦Ä t F44
9>'P}OH
£ÄH åLM –H ‚¿à ³›•L A±b‹N R¦Ä » F45
£8PFn+/
ƒ~Âœ ÔÉÐåL R¦Ä t F46
9>UP~8&
d ³Š³ g“™ R¦Ä » F47
 ;DLrU
S“eN ÔÉÐåL R¦Ä t F49
<?;#ƒEF
’üSáƒ ÔÉÐåL R¦Ä t F51
9>V2}.J
F•NK‰N ‚¿à R¦Ä t F53
9?*U},-
€D³ ÃËD t F56
;>T?J(
¡Y‘RK R¦Ä Œ F62
DF>P™(U
`ÁKO ÔÉÐåL R¦Ä OK F68
:A!&€-Q
R åRK Ûœ® R¦Ä t F69
:?7~P+
FaxH îœé R¦Ä Œ F70
B?@9“%G
F•NK‰N ÃËD Œ F72
DD00—7N
¡RžÎN ÃËD OF K£X Ðà R¦Ä t F75
;?8+NW
¹º‡¹E ™ R¦Ä t F78
:>@4R3
Oÿ”H ÔÉÐåL R¦Ä OK F81
9A61~02
eWN & ‚¿ªY RåRK t F82
<?;&ƒNM
‚´•N ‚¿à R¦Ä t F85
=?IK„J 
ŒLD²œ åžï R¦Ä “ F86
›>%2z!.
¿‹N åžï R¦Ä “ F87
›>I<z2,
ê›Sáƒ R¦Ä “ F88
›>*%zIX
’üSáƒ ÔÉÐåL R¦Ä “ F89
œ>')yGU
K_GÃïc R¦Ä OK F92
:ARAW)
ŒL¹¿ ‚¿à R¦Ä » F95
 <;+s$P
YOíØ ‚¿à R¦Ä t F98
=?+ „ON
¹LhN±œE ÔÉÐåL R¦Ä OK F99
9A#'~7
»b R¦Ä í »T
B\9'»Y2
ÃN€Y±œE RåRK å G05
¤F,KnJ
¨–H dbE AcODƒ… w w2
¡?)r4G
ìOD›WS R¦Ä í GNU
@Y%!¿@=
±É¯ ÔÉÐåL R¦Ä OK H04
8BCY}'#
’LÜÄ[ ÔÉÐåL R¦Ä OK H05
9@U*}5D
Å¸“™-’›T R¦Ä ¬ H07
DLKwD7
ÜälO ÔÉÐåL R¦Ä Õ H17
›CE-{#.
áW‰ˆ y¼N ÔÉÐåL R¦Ä Õ H19
œE4*y+'
w_‡±œE …Õžl R¦Ä Õ H27
›BBKz6
°âd[E _fÖb‹}L R¦Ä ÷ H28
CNYTŽM3
H¿TS±œE ÔÉÐåL R¦Ä  H34
8B"H{K/
C“Rñ±œE ÔÉÐåL R¦Ä  H35
›A:-{7D
jRŸˆ R¦Ä Œ H37
DF&2–(J
HYÝ¦M R¦Ä Œ H47
EFCE™:.
Þ~”N ÃËD ¬ H49
D9 x,'
vS”R~ …Õžl R¦Ä Õ H57
CK>xC
Ñi ÃËD Õ H58
›C)#zJ-
£Â¯ ÔÉÐåL R¦Ä OK H66
9BI1}C1
jF›R ¶S€Y R¦Ä OK H68
9AWK}2=
d•T‘ù ÃËD t H70
=B2J„ V
§D Ýc¢A _Ódžl R¦Ä OK H71
9B+=}1N
jÖ`Ú ±œA³ RåRK õ H75
@MRx %
å°¥KA ÔÉÐåL R¦Ä OK H76
9BF0~62
ËÚN ÕhL RåRK Õ H79
›D3Dz@0
ÃËD OF DaÝS R¦Ä § H80
¢J3TqKK
žkR FlLS R¦Ä t H81
<A"WƒK-
A åÇ îxE Fahž~eWN aG‹}L R¦Ä Õ H88
CB3x/,
¹§q ÔÉÐåL R¦Ä OK H92
9B8@~5,
[ ÔÉÐåL R¦Ä ¬ H96
žD6vV"
åW›E ÔÉÐåL R¦Ä OK H97
:B4D~N1
Ðà OF ©‰A-S’ïc ‚¿à ÔÉÐåL R¦Ä t I06
<@@ƒLR
ŒvN ¤¼K ¥ ‘ad ŽR±„ R¦Ä Ù I08
CK&CUJ
£øE ‚¿à R¦Ä ò I10
£EN"o>)
ÿE ÃËD WV I16
£CBo??
æÆA R¦Ä-¡ÄZËL ÃËD ò I17
¡F'Sr0<
J–ñ[ ‚¿à R¦Ä WV I18
£DUMoO(
†-R R¦Ä _ I20
ŸDQ$u<
•™|PH ‚¿à R¦Ä _ I22
¡F(&rU?
FAYâf ‚¿à R¦Ä ò I23
¢E@+q7,
ËKÁc R¦Ä ç I27
œHPOy4Q
y¼¾Üþ ÔÉÐåL R¦Ä _ I34
 E1Cs=3
©~c G{HžE …Õžl R¦Ä KY I35
¢BQ@q3=
ž´D ÚWÉˆ R¦Ä ò I40
£F0?oQ*
ƒÄ ›WŸN ÃËD WV I41
¢D97p0P
å|I ÔÉÐåL R¦Ä _ I42
 DA"t9U
ÛÅO ªOTWsD R¦Ä ò I44
¡EKTr2A
ÂPï¬“ R¦Ä Ù I45
DKV<’KO
d`eN R¦Ä KY I50
¡CQqPK
”D žkR RåRK ò I54
¢F*qOI
¡³ºeWN R¦Ä _ I61
¡ES3s'N
Õ¿T dc‰ˆ ÔÉÐåL R¦Ä ¬ I63
EY-xN-
Šúc R¦Ä ò I64
£G/Bp43
C‰[ ‚¿à R¦Ä ò I66
¢E<*qQL
Ðx_} ²d R¦Ä ò I67
¡E->rL9
ÂRaN ‚¿à R¦Ä/êë “› ÃËD ò I68
¡E9Jr-$
C€RÕ ‚¿à R¦Ä ò I69
¡E"Hr*C
Õþ` ‚¿à aG‹}L R¦Ä ò I71
£EE-oN*
²dÃËD R¦Ä _ I72
 F Xt'C
Õ•_E R åRK ò I73
¡EFVr,3
yI…S ÃËD ò I74
¢F%WqK*
OS„|A ÔÉÐåL R¦Ä ç I75
›G!&{G5
¨Ì ÔÉÐåL R¦Ä _ I76
 FM)t&M
£ø‡±œE R¦Ä _ I80
 F+sWS
Þ€M ÔÉÐåL R¦Ä _ I83
 DB-t'"
¨R× ‚¿à R¦Ä ò I86
£EG<p)R
á[±œE R¦Ä _ I91
ŸD =u0X
a† •xH R¦Ä Ù I92
DJSE‘HM
Ba~_žD³ ‚¿à R¦Ä KY I93
 CM#t8;
¡ù_ ‚¿à R¦Ä ò I95
¢FBEqDC
‚LØvA-ÁR ‚. R¦Ä KY I96
 C##s2U
lEX`DžA R¦Ä _ I99
 F+WsD-
DYcS±œE ¶ R¦Ä ç ç8
H;Ly(M
”RøE ¤¼K ºªIP Ù Ù8
CJL6Y%
¦ŽY åT´ ÇªlI¸T¦Ä _ _3
ŸCT,uM7
ÆTZ ¤¼K R¦Ä í J“
EZ;!³I4
F_GeN ÃËD › K01
9F5-}M3
y¶fR DdÑN R¦Ä ¬ K06
EX6x6+
ƒœA ÚWÑN R¦Ä Õ K07
œCV'yNO
¹œY R¦Ä ‚ K08
=D %„%
æŽ‚ R¦Ä q K09
¨I9*h=!
ÞM žGGS RåRK OK K11
9B+$}E%
y`D ûZE OÞ³ –H R¦Ä Õ K15
›D$DzFP
~S yOk R¦Ä q K16
§I-iB4
ÕEZØA ÔÉÐåL R¦Ä ñ K17
<CA‚:*
lãq ÔÉÐåL R¦Ä Õ K19
8F-J|22
§œS ÃËD ñ K22
:CYDUB
‚O¨ºeWN-²d±œE R¦Ä q K23
§HCLhS8
Ì«ËL ‚¿à R¦Ä KY K24
 CAs$(
ŒRƒœeN …Õžl R¦Ä Õ K26
›E0G{<6
‚¿ÐL R¦Ä í K29
?^SRÁH)
jR RåRK q K30
¨I)gD
ï[ R¦Ä q K31
¨HLHh@E
žkºÙE R¦Ä ñ K32
:CJS66
Þ€M …Õžl R¦Ä Õ K33
œCBUyB.
wù›R ÔÉÐåL R¦Ä ñ K34
8DN7|W4
Âï_GeN ‚¿à …Õžl R¦Ä ñ K38
:EJ% Q
¿‹N±œE ÔÉÐåL R¦Ä Õ K43
›F>7{>
AkR ÔÉÐåL R¦Ä OK K44
<BMV‚=N
fX¹” ÔÉÐåL R¦Ä OK K49
=B<2ƒNP
‚OK RÃËD ñ K50
:C?U(;
…Ð› ŸD³ R¦Ä ñ K51
;C-X€>S
ŒP¯_ N S§^ RÃËD - ÕNƒE Ðà R¦Ä Õ K52
œED"yIC
^OÈÎN å« R¦Ä í K55
F[(D¯G/
ìÇD ¨fº[ ÔÉÐåL R¦Ä Õ K57
9F8K}3L
¡ƒLD Kžc ÃËD ñ K58
;C( L3
ÝËç ¶R¡Ä R¦Ä ñ K59
8E@,}(O
ÕžTZ …Õžl R¦Ä ñ K61
:E:.€%J
³› SqhR R¦Ä KY K62
¡DH-r5<
‚¿ÐL yOk ÔÉÐåL R¦Ä ñ K63
9DFA~@4
±N“™ îœé AcODƒ… ñ K64
8DP-}(V
¸eN R¦Ä ñ K65
<D;5‚:N
OS²ì ÔÉÐåL R¦Ä ñ K67
8C'A} ?
wÖâT ÔÉÐåL R¦Ä ñ K68
8D.D}*U
‰x|N ÔÉÐåL R¦Ä ñ K71
:E!;€(
¡M× ÃËD ™ K74
:LDU~YU
OSáÖE ÔÉÐåL R¦Ä ñ K75
;E8€FL
Fa†OM ÔÉÐåL R¦Ä OK K77
;BK<$'
Í¬iE ÔÉÐåL R¦Ä ñ K78
:DT-,'
JâÕa ÔÉÐåL R¦Ä ñ K79
<CY"SE
§ÝI ‚¿à R¦Ä ñ K81
8D>5|U,
S§^ „c ÔÉÐåL R¦Ä ñ K82
;EKJ€MF
Þ^A ÔÉÐåL R¦Ä ñ K83
9ET3}LA
ÅAÂ^A ÔÉÐåL R¦Ä ñ K87
9ERK}==
l€N ‚¿à R¦Ä ñ K88
9CR*}5)
”‚N ‘W€R …Õžl R¦Ä Õ K89
›EIIz9R
¹Ä[ ÔÉÐåL R¦Ä ñ K91
9EFK}>
Ìï ‚¿à R¦Ä ñ K94
;D>O/5
©S‚“ R¦Ä ¬ K96
žELQv04
l‰ÎN ÔÉÐåL R¦Ä ç K98
›HKPzN.
ŸwN ‚¿à R¦Ä ¬ KAAA
žF'=w2$
Aå“´¢|A aG‹}L R¦Ä » KAAF
 ;IEsE
‚Ÿ›L JÝ‡ JÍA R¦Ä ñ KAAO
:CJQ+.
¯YŸR ‚¿à R¦Ä KY KA®
 C3<s0@
l©•S ÔÉÐåL R¦Ä Œ KAb
DG:X–?V
`ªIM ‚¿à R¦Ä § K–B
¡JY1s)T
JIMMY ŒÄc aG‹}L R¦Ä w K–J
¡>$Er)2
l€N åžï R¦Ä “ K–P
›<KzG0
ÂŽŒ ÔÉÐåL R¦Ä ô K–Q
›J"7{?(
j™cÎN ÃËD x K–Z
¥@I"l+
Âh} ÔÉÐåL R¦Ä ô KÁC
8L9}*F
hXfR B »Ši„ …Õžl ÃËD  KÁF
›@#Y{!X
€}²E ‚¿à R¦Ä § KÁG
¢GQXr"G
DÕa ÔÉÐåL R¦Ä OK KÁM
:@0))
ÁÎN R¦Ä t KÁS
:>X%~P)
bWsD-•W‰¾ Ðà-‚¿à R¦Ä ñ KÁT
<EP:ƒ B
AUÓáN ‚¿à R¦Ä ç KÁU
8GH#|U,
„•L ‚Ÿ•Ú aG‹}L R¦Ä ‚ KAEJ
?DNLˆ%*
lÄ €A ÔÉÐåL R¦Ä ô KAË
›IFS{4 
¥AF –ÁEMY RÃËD ‚ KAä
>DX3†O.
Âï_GeN ‚¿à R¦Ä å KAFJ
¤F&)n/7
›B•rA Ðà ÔÉÐåL R¦Ä › KAFK
9FB7}QW
JAäaY RÃËD ­LkR •xH R¦Ä NH KAFN
©HN0f)
AFeN ÔÉÐåL R¦Ä WY KA‘
BHHFŒV=
`ÎN ‚¿à R¦Ä - JEä CŸUD ÃËD x KAFP
£A,n"D
”G£‰A ÔÉÐåL R¦Ä / •LPH C ²gc ÃËD  KAì
›?+G{+
”Cœ R ‘R„ ãŽ AUX¬ç× ÃËD » KAy
¢9E o2X
ÂG›R ÔÉÐåL R¦Ä SD KAGZ
;I!T€/N
Ý†¼ MY R ÃËD Œ KAHC
DF-X–')
ÝcY ÔÉÐåL R¦Ä ’ KAHH
œK.Rz4=
Â¹O ÔÉÐåL R¦Ä › KAHQ
9G,;~AD
¹PK_S ÃËD ‚ KB
@D,2Š?N
`hº[ ÔÉÐåL ÛR‰ˆeN ÃËD _ KD
 F$=sBM
“ˆ“h ‚¿à R¦Ä ’ KG
žK'-w$E
ÿN aG‹}L R¦Ä SC KK
¢?DXoG$
b“¢ ÔÉÐåL R¦Ä ç KO
8G68} O
TK_ ÔÉÐåL R¦Ä dEk K·TZ ÃËD ô KT
›L>T{FB
³Š³ ÚW›R R¦Ä l KV
ž?$5v)R
€E C Ã› …Õžl R¦Ä Õ KZ
›D#Lz>X
Õ¿T ŒR…L ÔÉÐåL R¦Ä ¬ KAJG
ŸDB5uIB
‚ƒ} ÔÉÐåL R¦Ä Œ KAê
B?SR“B%
¡º¡M ‚¿à R¦Ä w KAJR
¡@<q?6
øíE ÃËD ‚ KAJZ
@DM)Š!P
wd[ç ÔÉÐåL R¦Ä x KíH
£A*'o'
‚Ÿ•Ú z¾ aG‹}L R¦Ä ‚ KíO
>F(>…+1
ÂÿÃËD ÔÉÐåL R¦Ä î KíQ
¥BY,k"
^O”S C Ì«ËL ÃËD l KlX
 >TSsWM
ã‚N ‚¿à R¦Ä w KÝG
¢=>(p<6
yb‹T ‚MÔÉà R¦Ä § KÝN
¢I12rG/
lEX`hR Þ“ÕN R¦Ä ò KÝT
¢DQ#q?Y
Ý‡ ÔÉÐåL R¦Ä ç KÝW
›GY={C0
`OKA ‚¿à-ø› (J`‡ ÃËD) R¦Ä ô K`E
›K&H{*G
ÞÇT dE ”žE ÔÉÐåL R¦Ä Þ™cÎN ÃËD § K`J
¢L:Kr4$
Þ‰Û R¦Ä - ¡Ržâ lEX`hR ÃËD ‚ K`K
?D>0ˆ V
€E R¦Ä MD K`P
¦DV@j@$
ªI dbE dEUN ‚¿à R¦Ä _ K`Q
¡GD5s#
¾WŠ^ aG‹}L R¦Ä › K`W
<H@KYA
`^[Y ÔÉÐåL R¦Ä ñ K`Y
:C'=€"M
‚ ÜßE ‚¿à R¦Ä Ù KAOC
CIB+2 
‰” l€N ‚¿à R¦Ä ò KAò
¢FH7rB
Aî vœ ”Ä_ …Õžl R¦Ä Õ KAOV
›BX1zFU
}å ‚¿à R¦Ä Œ KAPC
DD*N˜.R
”× ÂLÿR LZ R¦Ä î KAPH
¥D"%k1(
¦Ä OF Î{H ŸUgç} EXEÒk aG‹}L R¦Ä “ KAPS
œ<#+x@W
”ž[ ‚¿à R¦Ä - BƒWN ÃËD ú KAPT
 A!EsA%
APzE îœé R¦Ä Œ KAPV
B@@=“)(
ZAå¯ ‚¿à R¦Ä t KAPY
;8X&,V
œ`O ÔÉÐåL R¦Ä t KAQO
;<M€EI
APzâ[ ÔÉÐåL R¦Ä ô KAQP
9K+H~3
bOKA ÔÉÐåL R¦Ä OK KAQR
9@5T~&S
¡Rž”N `D ²d R¦Ä ” KAQW
¨HGKg(+
l€™lE ‚¿à R¦Ä SC KAQX
£>YHo.+
`N áR ÔÉÐåL R¦Ä § KB
¢H+5qJJ
ÂLN{ žD³ aG‹}L R¦Ä  KG
œB%;xU<
°eN aG‹}L R¦Ä t KM
9;--~'.
A·ŠA ÔÉÐåL R¦Ä ¬ KR
ŸGL1v:?
“ÿ“™ R¦Ä £øE F €E …Õžl ÃËD ’ KV
žKUFwIQ
AU‘Ä EXEÒk R¦Ä SC KW
£>6JnD"
S‰hœ R¦Ä “ K®D
<2HwO-
ÀžˆÛ€ ÔÉÐåL R¦Ä  K®G
8B(A|%'
}ïUA R¦Ä / áÊE ÃËD NH K®H
©HLTe<S
ªI-‚¿à R¦Ä b jN× êY›R ÃËD x K®J
¥B/Qk(-
¡RžÎN ‚¿à R¦Ä t K®L
8>=,|0:
¯œÁEw ÔÉÐåL R¦Ä l K®N
 ?@*t!!
ÂºAW ÔÉÐåL R¦Ä _ K®W
 G.;sP6
êë F ÿü†Y …Õžl R¦Ä ’ K®X
L>UxU&
®H€Y ÔÉÐåL R¦Ä ™ K®Y
;L83'
¡œ §œc ÔÉÐåL R¦Ä t KbA
8?$$|)I
f­A ÔÉÐåL R¦Ä ö KbS
>>Q'†:#
A·ŠA ÔÉÐåL l ¦ßc ÃËD › KAUH
:FSEYG
A¥N ÔÉÐåL R¦Ä ô KAØ
›IETzV
AUÜÖ ÔÉÐåL R¦Ä Œ KA¿
DDW/—"U
AUÜÖ ¿Ikº—Y aG‹}L R¦Ä l KAUO
 >BTs8 
…~€ó·G BÌ¾’~ aG‹}L R¦Ä î KAVC
¥BG0l!.
lî aG‹}L R¦Ä OK KAVK
;BL6€F*
AV[ åRK EXEÒk R¦Ä » KAVO
¢9A:o=F
”•} aG‹}L R¦Ä ð KAVQ
@>6?*X
Œ¯‰} R¦Ä Œ KAVX
B?60”6X
Âï_GeN ÔÉÐåL R¦Ä ç KAWG
œG.@yF6
²d …ÈÅS ÔÉÐåL R¦Ä  KAWM
A&$x,"
lì} ÔÉÐåL R¦Ä ç KAXA
8I"G|.1
¹¥eN Î{H²d R¦Ä t KAXH
9;<4}:C
C“ž[ ‚¿à R¦Ä å KAXQ
¥G+?m8:
l©S ÆTZ Õ¿¯_ aG‹}L R¦Ä OK KAXS
;@GS21
›¬ õª[G R¦Ä ò KAXV
¡F;Br/V
`³L Ãa R¦Ä ö KAXX
>B71‡/6
ÂY¤O« Âa ‚¿à R¦Ä w KAYS
¢=,Wp5J
£LD R ‘R„ ãŽ ú KAYX
 A5?t#'
‚Ÿ•Ú Ðà ÔÉÐåL R¦Ä ð KðC
ABW?M
¡Z€H·d R¦Ä w KðE
¢=S#pDQ
ƒ°¶D ®ÞÇT džP  KðU
8A.G|+:
ãÖ‡ ‚¿à ÔÉÐåL R¦Ä ™ KãC
:LV:€!
ãß€ Õ¿¯_ R¦Ä NV KãM
CFAV’R8
H·[ ‚¿à …Õžl R¦Ä § KãX
£ILOpY%
¾[ ÔÉÐåL R¦Ä ô KBBB
9K1U}E 
”RLáƒ ‚¿à Jâ¦Ä - H E Ak ÃËD R¦Ä SC KBBP
¤@C0mJ"
BƒÿN áW ÔÉÐåL R¦Ä › KBBW
;G8)D>
±þ_ç f´ Õì…× EXEÒk R¦Ä î K\B
¤C*9n6:
ø–K žkR FlLS ¶ R¦Ä ’ K\K
J-!xQ1
ªI-‚¿à R¦Ä » K\R
 <PDsB$
ø`ˆ ÔÉÐåL R¦Ä { KBDG
@CA‹:Y
’œ”R ÔÉÐåL R¦Ä êë L ž„ ÃËD (2006) ô KBDH
8K%!}%V
áÇhR J¿µ‹N åYZc R¦Ä ’ KBDJ
žL&-wDL
™ ÔÉÐåL R¦Ä Š KBDN
EJ#G—*"
ÕRžLeN ÔÉÐåL R¦Ä  KBDQ
›A&(zHO
áÇhR ÔÉÐåL R¦Ä ‚ KBÓ
?F 3‡+@
E±œE ÔÉÐåL R¦Ä t KA
::3IM:
E´ F–e× R¦Ä ñ KC
:CGF*T
Î{H²d §´IwN aG‹}L R¦Ä § KH
 H%It7I
áY› Õ¿¯_ R¦Ä § KBFA
¢K'WrU9
fR× ‚¿à R¦Ä t KBý
=?(5„)A
ÜälO ÔÉÐåL R¦Ä OK KBFK
;BQNC%
±þ¬ I ygÎM ÔÉÐåL R¦Ä _ KBFR
 DP6t8I
lÄ±œE aG‹}L R¦Ä/^O”S J BÌM‰K ÃËD l KBFZ
Ÿ@+Kt-3
H{´_ÎN ‚¿à R¦Ä t KBGD
<AH!ƒ5D
hŒ©R ‚¿à _Ódžl R åRK w KB³
 <X/rD-
’xjdc ÔÉÐåL R¦Ä ú KBGF
 A(Et!X
ãX€Y ÔÉÐåL R¦Ä w KBHC
¢=HPp5D
ãÿR ÔÉÐåL R¦Ä ÷ KBHK
?L2Q†->
øO~ g“™ dbE R¦Ä ž KvD
©G($e@I
bž„ ÔÉÐåL R¦Ä › KvE
:F0#~K-
¶RLY ‚¿à R¦Ä w KvJ
 =5QrSG
²d §´IwN aG‹}L R¦Ä § KvV
 HJ@t$9
ÂY› ‚¿à R¦Ä ò KBJJ
£FR;oS0
dEPj¾ ‚¿à R¦Ä t KBKD
;>I&€S:
ø–K²œ eNKAÂ ÔÉÐåL R¦Ä OK KBKN
:BJH2Y
BƒOñ ‚¿à R¦Ä t KBñ
:9*6€%.
l€N C ¨RK_ÎN ø–ñe› MY R ÃËD î KBKT
¥C"9kW9
BƒOñ±œE-¯ÈA ãY aG‹}L R¦Ä » KBKV
¡::(p98
BƒOK_GS aG‹}L R¦Ä SD KBKX
:J0/~O
ÕöO{H EXEÒk R¦Ä NJ KøM
§F)+h%<
øUE Œq[ q–K R¦Ä Œ KøU
DE.<–HB
Bž¸Ý Ðà aG‹}L R¦Ä { KB˜
BG?'Ž!I
R‰N aG‹}L R¦Ä NH KBML
©J@=e(?
ÜÖâ ÔÉÐåL R¦Ä/KbE ¤ÁÚ~ ÃËD t KBMQ
:<J2€,1
AØ[T ÔÉÐåL R¦Ä t KB÷
8<",|*W
ãü_G ÔÉÐåL R¦Ä Œ KBˆ
B?U3’Q 
ãÖ²œ aG‹}L R¦Ä SC KBNL
¢?-:o50
á[E ÔÉÐåL R¦Ä ç KBn
›H Y{PQ
BƒOK_GS R¦Ä Š KáK
EH";š/6
ãÄÑ EXEÒk R¦Ä » KáW
¢9VBoM
vG Àžˆ ˜ ”¹N-WžNK€ R¦Ä t KBPG
<>*Kƒ=1
Õa¹¥E …Õžl R¦Ä “ KBQP
œ>K4yRP
ÜälO “x®fR aG‹}L R¦Ä q KBQR
¥HU2lBJ
€N aG‹}L R¦Ä ö KBþ
?@DIˆP 
ÞÔËS ÃËD KY KB×
 CNQs;Y
LF®T ÔÉÐåL R¦Ä … KBd
ªJ6@cI
øR EXEÒk R¦Ä › KB¯
9G6T~$?
rYåRK R¦Ä { KBTF
BFR(UC
Bžß[ ÔÉÐåL R¦Ä SD KBú
:KNUJA
æßSÜþH/Üšc aG‹}L R¦Ä å KBTP
¤FLCmVY
bà R¦Ä NV KBà
CBQF’M+
¤Ý ÃËD › KÜB
;GLB&Y
Üšc …Õžl R¦Ä Õ KÜM
8D/5|26
ÜR‰ˆeN ÔÉÐåL R¦Ä ’ KÜU
ŸHG9v0/
ÜR‰ˆeN lÝ`„ aG‹}L R¦Ä x KÜY
¤B Um:<
lv[ ÔÉÐåL R¦Ä › KBVN
:GII€!3
ãÄ€S±œE ÔÉÐåL R¦Ä OK KBVO
9BKK~F
rAG— aG‹}L R¦Ä Â KBVS
FN:-˜7.
ãfS±œE aG‹}L R¦Ä  KBVX
œAI@yDP
B•W€Y ÔÉÐåL R¦Ä Œ KBWC
B>Y@‘=
BƒWnsD aG‹}L R¦Ä t KBWD
;=MC€W5
¡R× dcN R¦Ä ™ KBWP
9L,E~B9
áW”N aG‹}L R¦Ä ™ KBWW
>L'V…0!
³Š³ R ŒRR …Õžl R ÃËD “ KBXA
<NOwQT
ÜRÿ ‚¿à R¦Ä w KBXG
¢? ;p(
Ü~éE ÔÉÐåL R¦Ä ð KBXK
A?73ŽG)
êëÎN ‚¿à R¦Ä WY KÏG
@J4RˆI1
’œçõÜþ °—€Y ‚¿à R¦Ä KY KÏL
¡BMHr)X
ãY Ðà aG‹}L R¦Ä t KÏY
9:X6}QO
²X‘ù ‚¿à R¦Ä § KŒD
¡J.?s70
¤G Õäb R¦Ä ‚ KŒG
@F;I‰=1
C“YeN ÔÉÐåL RåRK ö KŒO
=B8L…(
C“ž[ ÔÉÐåL R¦Ä ç KŒV
›HJ={K>
y¶fR Òmc“™ aG‹}L R¦Ä WV KC
¥EBUlKE
‚¿ÐL øUäS ÔÉÐåL R¦Ä ç KCBF
9G-?}KD
ŒmžD³ ÔÉÐåL R¦Ä ô KCBG
›K?9{-Q
ïlZ ÃËD ñ KCBK
<E7Eƒ O
C‰[ ÔÉÐåL R¦Ä  KCŒ
›AARz9$
Uz`D-ŒøE R¦Ä Œ KCCB
B@$H“G/
›W}N ‚²¯ ‚¿à R¦Ä w KC‚
 ?0HrL)
Œ€ÚÉA ‚¿à R¦Ä VT KCÛ
©J@'f#
¡Raœ ÃËD  KCDH
›?C4zKN
ŒmžD³ ÔÉÐåL R¦Ä ò KC
£EX<o@E
³Š³ T €’S R¦Ä » KCDK
¡;&!q!!
WsDÂù ÃËD SC KCDN
£@/n?T
‡ŽX ‚¿à R¦Ä NJ KCDW
§FR=h.S
„«} R¤AFT ÃËD ñ K„A
:CDU- 
¤âE ÔÉÐåL R¦Ä › K„K
:FC"~U<
O‚›E ‚¿à aG‹}L R¦Ä SC K„U
¢@F1pS)
…ßË ÃËD _ K„V
¡EGUs%M
ÔR•Y-ŒœÑAY ‚¿à R¦Ä KY€-Oí€Y ÃËD KY K„Y
žBESv44
‚ÇfR ÃËD t KCFD
9<HW~1S
ÜälO ÔÉÐåL R¦Ä ô KCý
›K'>{PB
¤AW‘ùS±œE aG‹}L R¦Ä _ KCFJ
 EX>tU*
‚Ÿ•Ú R `D À–E ¦Ä ‚ KC‘
>EM!†>.
©S‚“ ¶ R¦Ä § KCFS
¢I9>q8J
y¼N€E ‚¿à R¦Ä ð KCFT
@>W7‹*G
‚äé±œE ÔÉÐåL R¦Ä ñ KCFV
9C#D}@1
¤Ydl žkR R¦Ä » KCGC
¡:R p@.
ŒmžD³ ÚR´‡fR R¦Ä MD KC³
¦D>3jO
‚œE³ åRK R¦Ä MD KCGS
¦DXPjU2
ŒÞ y`h ÔÉÐåL R¦Ä ð KCGZ
@>W0L
´`D€R ÔÉÐåL R¦Ä ð K´D
A?.'NF
´¢K®¡ ÔÉÐåL R¦Ä OK K´K
:A#QX"
ÂU´ÇA ÔÉÐåL R¦Ä » K´N
¢9<ToRP
§«g­Pæ ‚¿à R¦Ä Õ K´Q
žBP>w3A
´¬‰‚^E ÔÉÐåL R¦Ä Õ K´T
›ELV{;K
¹¥eN ‚¿à R¦Ä ô K´U
œIAMy<,
´¢O aG‹}L R¦Ä Œ KÐC
DEMJ—Q:
´OfAU R¦Ä ÷ KÐI
CMOHŽ(#
^· N ›U R¦Ä ç KÐN
8H L|M2
ŒÊO aG‹}L R¦Ä ¬ KÐR
žC!Rw+)
Ë€N ´·´ ÃËD ç KCJJ
œI3Uz%Y
ÒL¨¨R aG‹}L R¦Ä î KCJR
¥D=BkQ>
ÿ³L”N AF AUX ÃËD OK K~A
:BJ"€%7
y`D ”•g ‚OK ‚¿à R¦Ä ô K~C
žMP0x4X
¤gP ‚¿à ‚ùËE R¦Ä w K~F
¡=Y2qL8
’œçõÜþ aG‹}L R¦Ä SC K~I
£?I mQ7
»â´c ÃËD õ K~M
@/Yx<J
¤sñeN ÔÉÐåL KÊKWsD ÃËD ô K~N
9MP<~C0
´cOÿE ‚¿à aG‹}L R¦Ä ç K~P
9HIT}?3
C“Rñ±œE-Õì…× ‚¿à aG‹}L R¦Ä ú K~V
ŸBC1u6T
¨üžD³ R¦Ä å K~Z
§F53i/8
´IGÉK “ì[ R¦Ä í KCL
BV0E¼>#
C‰[±œE ÔÉÐåL R¦Ä ’ KC‰
ŸJBPvIS
C‰[ aG‹}L R¦Ä OK KCLK
;A>0€UX
C‰ä ¡TÃËD …Õžl R¦Ä Œ KCLR
B?%S‘=.
´E¡‰S „•‰A R¦Ä Â KCLS
FLFC˜XY
C€ÂfR R åRK » KCLW
¡9XBpK=
Òœ”N aG‹}L R¦Ä-‘LÎM ÃËD l KCMD
Ÿ@.%tQ;
H.A. C“RK …Õžl ÃËD ð KCMR
AA02Ž)F
À¯ ‘Ä ˜‚Y R¦Ä ’ KCMY
IW;xJ.
MYcS ÃËD R¦Ä ô KCó
9JIL~-X
´—[ ÔÉÐåL R¦Ä ç KCx
›G){3A
C“aÕ ÔÉÐåL R¦Ä NH KCNH
©I4+f4%
´cOÿE ‚¿à aG‹}L R¦Ä w KCÉ
¡@0Dr78
øO«c ÔÉÐåL R¦Ä ñ KCNK
:E>WE&
´_O R¦Ä Œ KC£
B?X;“D+
vœY G •Y ÃËD › KCNP
=G"E„9P
TdC Â‚ R¦Ä t KCn
:=D:"6
…Ržß g“™ R¦Ä » K‚I
¢:2<nG&
‚€”N ÔÉÐåL R¦Ä t K‚M
;=P:6+
CŸÆâ ŒRLeN ‚¿à R¦Ä ô K‚Q
œLH"z<+
‚©œA-“ ÞœE ‚¿à R¦Ä t K‚T
;:96++
‚LØÜS ‚¿à ÔÉÐåL R¦Ä x KCPC
¤@.4lHT
²™ËL H ‘ù R¦Ä KY KCPF
¢C5#q-A
´‡A¨íE aG‹}L R¦Ä î KCPK
¦BEVj1-
‚ÈeN WsD€Y R¦Ä Œ KCPM
B?S6”,D
y¼› ‚¿à aG‹}L R¦Ä w KCPP
¡?ASq&/
d ŸUg ÚWÑN R¦Ä ¬ KCPS
D@-x'4
C€ÜÖE aG‹}L R¦Ä t KCPT
:>3,8
Œ“k•S ‚ ”·Y •SÔ«i ÃËD Œ KCPU
DD&L–DS
“ÿÃËD R¦Ä ò KCQA
¡F;!r?B
´`D€R aG‹}L R¦Ä OK KCQB
:AI8~O+
H L ÎüY ŒœA¡N R¦Ä l KCQF
ž<9DuRC
‚OK ÔÉÐåL R¦Ä ô KCQM
œMO1zG4
´cAW ÔÉÐåL R¦Ä/LYxH œ_³R ÃËD SC KCQW
¤@HLmW7
´b¡M ÔÉÐåL R¦Ä ” KCQX
©GG0cY4
‚Ÿ•Ú ¤¼K R¦Ä í K¤
B]@"¹Y2
C Û±D ŒÈœ ÃËD ‚º¢`A ÔÉÐåL R¦Ä t K¤S
9>G~6 
Z M J–K dËL ÃËD  K¤T
œ?(HyRO
ƒS‚E ©Öc R¦Ä õ K¤X
ž@TTvB+
‚Ö_G ÔÉÐåL R¦Ä ç K¤Z
8FYE|K0
ŒmžD³ ÔÉÐåL R¦Ä › KCSB
<F06‚'I
C‰[ ïc”N R¦Ä OK KCSM
;A25* 
¤‡eN ÔÉÐåL R¦Ä ç KCSQ
8G/|3N
²d ³ŠGç aG‹}L R¦Ä / O V yAY ÃËD w KµJ
 ?CRs'%
_³º|L R¦Ä ¬ KµK
F@'x";
¤O« Ðà R¦Ä » KµY
¡;D&q$/
ÞÈÎN ‚¿à R¦Ä x KµZ
¤@X>l3S
Òï_G ÔÉÐåL R¦Ä OK KÒH
:AW ~L3
ŒR§ ÔÉÐåL R¦Ä ¬ KÒL
žD#4v%5
Òdc ‚¿à R¦Ä SD KÒT
>IJ…C#
Œdƒ±œE ÔÉÐåL R¦Ä t KCVB
;;2=€Q!
‚±ˆeN ÔÉÐåL R¦Ä w KCVC
¡?CWqPY
¹œgfR ÔÉÐåL R¦Ä Œ KCVH
CBSB—6B
ïP ‚¿à aG‹}L R¦Ä  KCVK
œB-Ty?K
´€VOIX ÔÉÐåL R¦Ä § KCVX
¡K0/s.;
K¢KA¦O ÚWÑN R¦Ä t KCWC
;?Q:€;7
´i}ÇT _fÖb‹}L R¦Ä “ KCWF
›<*D{&B
C‰[ ÔÉÐåL R¦Ä ç KC’
GORx1K
C“XeN Eî¾ ‚¿à R¦Ä w KCWV
¢>)HoR)
´®E Ðà ÔÉÐåL R¦Ä î KCXE
¥BM0l<$
Œ€X¢O _fÖb‹}L R¦Ä Œ KCXL
A>F(‘<M
Œ§œA §T´ËL ‚¿à R¦Ä w KCXU
 =*Mr,%
‚nAY aG‹}L R¦Ä  KCXW
›A*z?0
Œæ¯L Ðà R¦Ä å KCXY
¦F+ jQ#
æ~AÂY ‚¿à …Õžl R¦Ä ò K]O
¢E<XpXV
C“Y „c ÔÉÐåL R¦Ä ñ K]W
:E5,'8
‚ZÁ ÔÉÐåL R¦Ä › KCZD
<FR'‚,
ªI Ð‡ R¦Ä q KCZG
§H"Ij#M
ŒSŒh Ÿ~S dbE R¦Ä Š KCZK
EKFB—RJ
eM B. Û±D ÃËD w KCZL
 @91rV3
M§T ‚¿à R¦Ä t KCZT
;:=2O7
›„ÛH R¦Ä ’ KÛF
žJ x#$
rY¡kN R¦Ä NH KÛW
©I/!dUK
W H 'ÜD' ãRƒN R¦Ä w KDBN
¡>?RpY%
´‡fR Œ¯Wã aG‹}L R¦Ä SC KDCM
£@M3o)K
 YŠ ÃËD aG‹}L R¦Ä l KDÒ
Ÿ@E(tVI
Û±‡S ‚¿à R¦Ä _ KD]
ŸDHu%M
’œçM H ÕºE dbE R¦Ä VT KDDH
¨HS;g,M
h“™ ÔÉÐåL ­D›Y H ¯YŸR ÃËD » KhD
¢;"o/ 
h‚•H ÔÉÐåL R¦Ä ç KhH
œI.>yJ4
J LYü jLõ Ž±c ‚¿à R¦Ä  KhQ
8@ O|5X
hc åRK R¦Ä Â KhW
EMX“7C
hÃ`„ …Õžl R¦Ä ò KDÃ
¡G2-r7J
ÚUû® ÔÉÐåL R¦Ä ð KDû
?=2?‹<4
‚NkºE ‚¿à R¦Ä WY KDGW
?HMP‡5(
DžGGS/a† …Õžl R¦Ä Ù KJ
BIJ@#O
hKlB ¯YŸR ÔÉÐåL R¦Ä ¬ KDKB
žGV)vH-
´A{AUÆA ‚¿à-ÓNKÊK R¦Ä q KDKK
¥H;?m.5
¹¥eN ‚¿à R¦Ä t KDKR
9=07}6,
K£X±œE ÚWÑN g“™ R¦Ä ú KDKX
¡AWPqR8
œ[ ‚¿à R¦Ä SC KDLC
¤@8Wm4%
ã•áO ’S‚¾_ hœS aG‹}L R¦Ä ’ KDœ
žI=4wL+
œ[ R¦Ä ÷ KDLN
CK-1Ž?)
h“£ ÔÉÐåL R¦Ä Œ KDŸ
CAJJ•,+
h“Âa ÔÉÐåL R¦Ä ò KDLZ
¢F.Mq$S
ŽÛ‰A …Õžl R¦Ä Õ KDÕ
›DH9{(?
ŒRƒœ ‚¿à aG‹}L J–K B ¦A³ ÃËD MD KDMW
¦EB<k:
Ú} `A ‚¿à _fÖb‹}L Jâ¦Ä ö KD}
>=RRˆH0
ÛLeN ÔÉÐåL R¦Ä w KDü
 @I4rR+
hÉÎN ÔÉÐåL R¦Ä ç KD¾
9GY)}4Q
kR§‰[ aG‹}L R¦Ä ¬ KDNV
ŸF)WuAN
§´AË AAF (ÓGÂY  O±ˆ yO¿D) R¦Ä { KDPG
BF)QŽV$
Óz_ ‚¿à R¦Ä x KDz
¥AkXT
ÚUû® ÔÉÐåL ³› ´Ýº R¦Ä w KDQH
¡=:BpQD
DÌMÕ™ g“™ R¦Ä § KDRM
£L?qJD
hL¯ aG‹}L R¦Ä  KDRP
œA%*xOA
Û¾±œE ÔÉÐåL R¦Ä q KDSV
¦H@,kHN
hL¯ ÔÉÐåL R¦Ä { KD¯
BE4PŽ<;
D’¸T R¦Ä ¬ KDTG
ŸG&v89
hªO— “ÿS R¦Ä ô KDš
9LO9}S
ïak¦Ä ÚWÑN R¦Ä “ KDú
8>>7{JH
h[ ifR gE R¦Ä t KDe
:?*$)S
Óág ÔÉÐåL R¦Ä WY KÓB
AI>T‹G6
¡œIÜÄ[ ÃËD OK KÓC
:@:-WB
e€Ú ½ÜRãN R¦Ä § KÓH
¢GJ'qE1
ÕŠE ‚¿à R¦Ä t KÓX
=AQ:„M
dUT ¦²œ ÃËD KY KDVK
¡C@LrL:
ÛkN¦Ä ÔÉÐåL R¦Ä ç KDVN
GBDxA5
”žN ‚¿à R¦Ä - G£« ÃËD Œ KDVO
DD&C˜?4
S“YeN ÔÉÐåL R¦Ä ô KDVP
9IY*}LW
P¹iIX hc îœé R¦Ä ð KDVT
A?G0Ž"Y
Y|O ‚¿à Û±S WsD“™ ’cS R¦Ä Œ KDÂ
DD@K—Q7
Û±D ÂY› ¹Oñ …Õžl R¦Ä t KD°
9<!H}?(
®H“™ aG‹}L R¦Ä KY KDWU
¢D?.pJ/
X[ R¦Ä WY KDWX
@G 0‰;O
hXfR ÔÉÐåL R¦Ä Õ KDXE
BLEwV:
“C ÆI åR€ ‚¿à R¦Ä ô KDXX
9JY(~(F
hÕ¦‰S ÔÉÐåL R¦Ä l KDYA
ž>9PuW-
½M…R±œE R¦Ä SC KDYB
£?!Nn.K
ÚY€dÑN R¦Ä å KDYL
§F1Yi%2
DYcSÜþ aG‹}L R¦Ä ú KDYR
AYWw60
rY ¡RáR R¦Ä ô KDYT
œLI1z B
¹º‡¹E ãY aÎÄ RåRK t KDZB
:<=D€3=
øº±œE R¦Ä w KDZJ
¡@Q0qYO
¶ûE yOk ÔÉÐåL R¦Ä ç ÿAG
›HHA{TX
PÅýR RÃËD WY ÿ`
?H!2†UJ
}nlEK R¦Ä í ÿB
DY3&µU<
ËÄ ‚¿à R¦Ä åTZ ÃËD w ÿã
¢@#JpO!
Î{jÖ ²d ±þ_ç aG‹}L R¦Ä WV ÿBD
£CFTp%2
Î{H fX® _fÖb‹}L b †_Üþ R¦Ä t ÿBG
:88<€%2
²Bdc Ðà ÔÉÐåL R¦Ä ç ÿBS
›H8+{R*
Õ™ËL ÃËD WY ÿCS
>IS †0Q
†ÂùS ‚¿à R¦Ä t ÿÒ
;;VO‚(8
A¥N EXEÒk R¦Ä t ÿDC
:<5S@
£Äj®fÖ aG‹}L R¦Ä x ÿh
¦BFj@ 
²ÙE (Íchi  O±ˆ yO¿D) MY j‰¦Ä MD ÿDG
¦E5<j/:
œE‘› aG‹}L R¦Ä ò ÿDJ
¢F42qO&
ifR gE ÔÉÐåL R¦Ä l ÿDN
Ÿ=/YsT
¿Ikº—Y R¦Ä Œ ÿÓ
DD=S—M)
…EÿR R¦Ä ‚ ÿEO
@F V‰S(
œE ‘·´E ÔÉÐåL R¦Ä SD ÿFC
>JJ!…QI
£Äj®T K_GÚM _fÖb‹}L R¦Ä VT ÿFK
©JS2f+K
ÕNƒE ÔÉÐåL R¦Ä ’ ÿFT
žHBTwA7
JEäcÎN ÔÉÐåL R¦Ä ç ÿFW
8HB|2<
EM…TSÜþ ÔÉÐåL R¦Ä ç ÿGQ
8I$%|H/
²œ_GeN ÔÉÐåL R¦Ä ñ ÿGT
:C1750
¶ûE žkR ¿‹N R¦Ä ’ ÿGV
žKUVw.$
ËK¡Ä ÕÄ[ ‚¿à R¦Ä ñ ÿ¡
=C!ƒRN
ïËÏ-C€k“™ ‚¿à aG‹}L R¦Ä x ÿ¹
£A-2oB"
j™cÎN Ðà ‚¿à R¦Ä KY ÿHR
ŸCN:uG'
cè ÔÉÐåL R¦Ä ‚ ÿIK
?FC‡ S
‚¿à …Õžl R¦Ä Õ ÿIW
B>%wAY
EKWOK R¦Ä í ÿK
BY36»:.
ËK¡Ä ÔÉÐåL R¦Ä _ ÿKM
 GI(t*
ÂY› ‚¿à R¦Ä KY ÿKQ
¡BQ1rQ4
iÉS vG rY R¦Ä ÷ ÿñ
BK.0DV
ÁˆeN ÃËD / ËIZÍâHeWN aG‹}L R¦Ä KY ÿKX
 CG(sU<
«E…R R¦Ä l ÿKY
Ÿ?0LtU?
¶ûE “ÿ R¦Ä t ÿ“
9;B ~11
ËK Ðà aG‹}L Ü­›« R¦Ä OK ÿLK
;A7Q5E
á²º ÃËD Â ÿLN
EMY–=R
²œS±œE ÔÉÐåL R¦Ä - ¯•_E ÃËD q ÿLZ
¦H$@kY6
ÿM…aR ÔÉÐåL R¦Ä WY ÿMM
AGO9Œ?7
EÈŠç ÔÉÐåL R¦Ä ñ ÿÈ
9D1V~):
ÞN wBžË îœé R¦Ä Œ ÿ÷
B@#(” $
EÈŠç y¼¾±œE aG‹}L R¦Ä î ÿMV
¥BG+k:X
„•‰A ÔÉÐåL R¦Ä ¬ ÿNL
žD<Tw#:
›WR× ‚¿à R¦Ä SC ÿOE
¢@0?oD5
ÿOKUK ÔÉÐåL R¦Ä ç ÿOK
œF9By7I
æÿ ‚¿à R¦Ä ò ÿOP
¢E(pUH
›OïO HU¸ ƒv¾[ R¦Ä Õ ÿOS
8BNE|5<
EPH•¯ ÔÉÐåL R¦Ä Â ÿPH
EM09•<X
¶d¦Ä ÔÉÐåL R¦Ä … ÿPM
«JTBaL
ŒP¯_ J–K ^O”S Ë Ú•Ú R¦Ä ñ ÿQA
:CL9~O!
´ŸßE-ÕNƒE EXEÒk R¦Ä x ÿQY
£A&nC+
cƒL R¦Ä NH ÿRR
©JM?e'Q
ÿRR±œE / ÿRR ‚¿à R¦Ä b ŸUg S´a_c ÃËD t ÿRV
;;XB#'
LU„ ‚¿à R¦Ä § ÿ×
¡L0Fs98
¶d[ R¦Ä / ›W}M ÃËD MD ÿSN
¦DN-j"&
‡^c±œE ÔÉÐåL R¦Ä ç ÿd
8I69|JM
¶d[ dbE R¦Ä Â ÿSW
FM--—)(
²d ™ ÔÉÐåL R¦Ä ’ ÿTB
ŸI72v%J
¯Ráƒ †³‚mE R¦Ä x ÿTC
¥AV,k>N
°¶eN ÔÉÐåL R¦Ä ô ÿ^
9KLU~>C
¶d“™ ÔÉÐåL R¦Ä t ÿú
;>6O€NA
²†[ ÃËD l ÿUF
 =W#s%J
ŒLD²œ EXEÒk R¦Ä Ù ÿÇ
DID=’D(
›W SMYÖA –H ÔÉÐåL R¦Ä » ÿVB
¢;!3nVV
Ek€^-±þ_ç ÔÉÐåL R¦Ä ô ÿVM
œM7:z;W
£ÄH²d §«O·I aG‹}L R¦Ä Õ ÿVU
8F3'|TT
½M§T R¦Ä h ÿVY
¦E=+iI+
›WeN Ðà-‚¿à R¦Ä ñ ÿWK
:D!<.:
Û±DÎN ‚¿à EXEÒk R¦Ä x ÿXX
£ALRn0,
¶ûE ¤¼K RåRK _ ÿYE
 EOQt/F
ÒÄg L BƒWN JR ÃËD x ÿYF
¤@B$l@K
ï`£N R¦Ä î ÿZF
¥D.k8W
ÿÂ›E ÔÉÐåL R¦Ä ¬ ÿZI
G*1wWP
jT OF ³ŠGç aG‹}L R¦Ä w ÿZM
¡>*Qq%G
ïAÂ£ ÔÉÐåL R¦Ä ’ ÿZS
ŸJM-v?D
Œ…ƒN …Õžl R¦Ä Õ ÿZZ
8EIE|.A
F§ˆeN aG‹}L R¦Ä Õ KFÝ
CKFx7I
FIãÇT ÔÉÐåL R¦Ä-‰Z Âœ dƒHF¥ ÃËD ô KFø
›J1H{0K
‘Ä BžD³R R¦Ä WY KFBR
AG5=Œ67
FRÜ× ÔÉÐåL R¦Ä › KFÏ
:F(Y('
FaS£ ´`D€R EXEÒk R¦Ä Œ KF´
CBIW•O*
ž´Õ™ EXEÒk-´‡fRÃËD ‚¿à R¦Ä î KFÐ
¥C65k=<
»Y_G CŸUD R¦Ä ô KFCM
›JOD{98
‘Rad Ðà ÔÉÐåL R¦Ä  KF]
œ@V=xL<
Fahž~ ÔÉÐåL R¦Ä MD KFDK
¦E7!k49
Fahž~ aG‹}L R¦Ä OK KFDR
;@3%€Y 
FRÃËD ‚¿à R¦Ä SC KFDW
£@0Vo$>
lÄ¥ R¦Ä ¬ KýP
žH,Lw@U
FaÕ ÔÉÐåL R¦Ä › KýT
9G9~=4
ÃºT »I¸T R¦Ä x KäA
¦B$iF/
¨–Hª¼ Ðà Fl‚N ÃËD w KäC
 ?38r@0
FRÃËD ÔÉÐåL R¦Ä ç KäL
œG!)yXN
ýþ¥ FlLS ÔÉÐåL R¦Ä - E_ §~ËÎN ÃËD ô KäM
9L/"~'6
Œæ¯L Ðà R¦Ä KY KäT
¡D(TrT6
FaÕ ÔÉÐåL R¦Ä § KäX
¡I8+sYN
Fl‚N ÃËD ð KäZ
A?9EIG
‚œE³Û€ ÔÉÐåL R¦Ä ú KFGU
 A Fs+
»E§ˆ ”ÎN R¦Ä KY KFGX
¢D><qJB
ýÖ`} –H ÔÉÐåL R¦Ä » KFHB
¢<BHo9F
C€ÃËD “WaxE R¦Ä å KÃG
¥G Wl6T
»Aûc EXEÒk R¦Ä » KÃN
¢;:!o*5
ÃT´Üþ ÔÉÐåL R¦Ä ” KÃT
©H?-eK>
ÃœÕa ‚¿à R¦Ä ô KFKA
œIFBz(M
F•NK‰N aG‹}L R¦Ä î KFKN
¥BGSjT,
F•NK‘Ä C‰[ ‚¿à aG‹}L R¦Ä _ KFKR
 F.6t?J
F•NK‘Ä ÚW …Õžl ÃËD § KFñ
¡JC=t*!
‘™ Ó “C ‚¿à R¦Ä ’ K»D
ŸIL.v;0
”ž[ ‚¿à aG‹}L R¦Ä  K»P
›B/9zA7
ïc”N MY R ÃËD ñ K»V
8E4$|TS
FlŸN ÔÉÐåL R¦Ä NV K»X
CE;W”JV
…ÁÑ “ÿ R¦Ä ‚ K»Y
>DVK†@*
Œ¨ ‚D ‚®T GUD R db‹N ” KFMH
©GE:d=0
‘Ä Õþ` ÔÉÐåL R¦Ä ‚ KFMM
>F2'…N.
FRÕ dbE R¦Ä › KFMZ
:FA(@5
Baüc ÃËD › KFó
9F"J}A=
»ŠA ÔÉÐåL R¦Ä ¬ K‘A
žDETv9)
F•xg S wBarI R¦Ä q K‘K
¨FPCfCT
ÃœÕa ÔÉÐåL R¦Ä { K‘M
BDW<Ž3M
ƒëc±œE R¦Ä Œ K‘T
EF?,š%Y
vG‘RK ÔÉÐåL R¦Ä ô K‘Z
›MM {E"
ÃT´ H –H R¦Ä § KFPK
¡H@:rNG
¨R×-‘€Y R¦Ä » KFPY
¡<"'q@P
Ì^c‘ù ‚¿à ”R´”N ÃËD x KFQD
¢A7HoV$
FaxH ‰~ ÔÉÐåL R¦Ä _ KFRH
 D<4tD+
FRÕ ÔÉÐåL R¦Ä ô KFRM
8IDD|6V
Fƒ ƒYl ÂRaN ‚¿à R¦Ä î KFRR
¥DU!l-+
‘«eN ÔÉÐåL R¦Ä-`hº[ ÃËD ô KFŽ
9MA@}L7
‘Ä S‚ß ÔÉÐåL R¦Ä ñ KFr
8CMT|L(
F•NK‰N ‚¿à dbE R¦Ä VT KFÎ
©JV7g#Q
‘Ä ½ôc ÔÉÐåL R¦Ä ö KF½
>@;†+
‘Ä ”ÎN ÔÉÐåL R¦Ä ç KFSW
œFE?y1F
ËeN j¾€Y …Õžl R¦Ä Õ KFß
œDP/z'
FÇ€Ä[ ÔÉÐåL R¦Ä Œ KFÇ
B?R1“XN
£ÄjÖ sdsK aG‹}L R¦Ä … KFk
«M/&b0L
FM±œE aG‹}L R¦Ä î KFVX
¥C39l8.
B•¾[ ²d R¦Ä Õ KFWB
›BGU{6&
FRÃËD ÔÉÐåL R¦Ä ¬ KFWC
žD4Iv6L
½«EX R¦Ä NJ KFWN
§G*hC5
ƒd•kR R¦Ä å KFWQ
¤F*AmOS
‘Ä WŠ^ À_ñ R¦Ä t KFWS
:>?U0;
‘ad Ðà ÔÉÐåL R¦Ä ç KFXY
›I,#{C9
FAYâf ‚¿à R¦Ä ú KFYE
A*:w5F
Âï_GeN aG‹}L R¦Ä Õ KFYG
œDA-xYD
§DD€ ¨É¾ÇA aG‹}L R¦Ä î KFYJ
¦C=/jKL
FAYâf±œE ÔÉÐåL R¦Ä ú KFYM
ŸA!At?P
ÃTZ³•LD ÔÉÐåL R¦Ä w KFZG
¡=Gq.,
‘dŠç …ªO¦‰¯N R¦Ä ò KFZI
¢G)9q5F
OS²ì ‚¿à R¦Ä q KFZY
§I3!j5/
wBBS R¦Ä NV KwB
CDU5“W8
£Äj®T lÍÝA aG‹}L R¦Ä l KwD
 ?X3t#2
H{ÎN ÃËD ™ KwF
:N6/4-
w³ jI~ R¦Ä OK KwG
;B/JLA
Õì…× ‚¿à RåRK MD KwI
¦E($k'X
Î{H “‘·´E €[D §œc JR R¦Ä “ KwO
œ;8:x-F
wœç …IGS aG‹}L R¦Ä ò KwS
£DP!p'N
y¶T ™ ÔÉÐåL R¦Ä ñ KGBD
;D2E€Q?
w€SÜþ ÔÉÐåL R¦Ä ¬ KGBG
FV/x7R
ÂLfR J. K|ÁZA R¦Ä ” KGBR
¨H)!g6*
y`T ‚¿à aG‹}L R¦Ä / OG¬±E ÃËD Š KGCD
DJ6-”WM
C“aÕa aG‹}L R¦Ä OK KGCM
9B/@}:M
G{HžE ‚¿à aG‹}L R¦Ä ç KGµ
8GG.|8%
y¼›±œE ÔÉÐåL R¦Ä ú KG]
¢B)JpNG
”ž[-¤—f™i ‚¿à JÝ‡ C êëÎN aG‹}L R¦Ä KY KGÛ
žC2)v$A
y`—E FlLS ÔÉÐåL R¦Ä / €NZi-ƒE …Õžl ÃËD ô KGDB
9JK*}?4
y`Ü× aG‹}L R¦Ä t KGDJ
:>8>O:
y¼› ‚¿à/€’S A. J–ñ[ aG‹}L R¦Ä ò KGDK
¢EG9qY?
wù›R ÔÉÐåL R¦Ä ” KGDM
©H?fX
ûÁ’N ZâfL …Õžl R¦Ä § KGDW
¢IX,r:<
h“Âa ‚®¯L R¦Ä h K³D
§DG3i3>
BƒWN ‚¿à R¦Ä ò K³O
¢DRUqRX
ûiÛ€ ÔÉÐåL R¦Ä ð K³U
A?=CŽ/H
®j ‚¿à R¦Ä x K³V
£B7Wo7%
Î{H vG ¹Ö ‚¿à R¦Ä WY K³Y
AJ=Š"Y
ïËÏ±œE ÔÉÐåL R¦Ä _ K³Z
 EA(sN,
¦¨ ÃËD _ KGFD
 EM9sJ$
y¼NÃËD ÔÉÐåL R¦Ä ç KGFZ
8G1C|8K
³Š³eWN ‚¿à R¦Ä SC KG³
¤?0Hm1)
y`T ÔÉÐåL R¦Ä › KGGF
=FR(ƒIY
y_›œ aG‹}L R¦Ä ç KGGI
›GHBzJ(
Ÿw¾¦Ä Œ« ‚¿à R¦Ä _ KGGP
 FHFt4<
”ºHÃËD ÔÉÐåL ³Š³ ¡RŸW ÃËD ” K¸G
©H#RdF4
„c±œE ÔÉÐåL R¦Ä ú K¸M
ŸAP-u8I
ûiWsD ÔÉÐåL R¦Ä ô K¸W
8KDD}1+
ÙA¹ ‚¿à R¦Ä Ù KG¢
DKV?’%5
’c ¡kN aG‹}L R¦Ä - G¬Ä ÃËD » KGIF
¢:!LoK*
¦Ä …Á±œE R¦Ä å KGKJ
¤GCAn*S
wš_Üþ-æ³[ ‘þE R¦Ä ú KGKT
¡AQ:q=I
‰ˆeN ÔÉÐåL R¦Ä t KGKY
:>EP#E
w_‡±œE ÔÉÐåL R¦Ä t KûE
:?E#)O
wYŸù aG‹}L R¦Ä § KûR
¢KOrH+
û®ìW ÔÉÐåL R¦Ä KY KûW
 CTsW+
C‰[ …Õžl R¦Ä Õ KûY
›D36{G!
yOk ÔÉÐåL R¦Ä OK KGMJ
8BB6|J1
y`Ï y`D ‚¿à R¦Ä ‚ KGó
?F#5‡U
w_‡ ‚¿à R¦Ä t KGx
=>FC„E
yiÁA ÔÉÐåL R¦Ä õ KGNF
?OWwMT
ìOˆ ÔÉÐåL R¦Ä Ù KGˆ
CHU KT
y`TS-§“N ÔÉÐåL R¦Ä ö KG
?A( ‰T%
G{HžE-†Õ™ aG‹}L R¦Ä OK KìK
:APY6V
›îÛ ‚¿à R¦Ä Œ KìO
DE+8—)
wfS±œE ÔÉÐåL R¦Ä t KìP
:=7/MO
yAY‰ˆ MY R ÃËD § KìV
¢JFOrIJ
P{}M ‚¿à R¦Ä _ KGPC
 ECWtNP
§D²d }[l R „c R¦Ä Õ KGPH
8E1W|0A
y`D  žE ÔÉÐåL R¦Ä t KGPM
:>GV O
y`D •æDS —®Œ ‚-ìù[ ›WdƒM ÃËD ô KGPZ
›M*F{<A
w‰[ ÔÉÐåL R¦Ä ò KGQQ
£FK*pI8
y¼nsD ‚¿à R¦Ä SC KyD
¢@,Up'?
y¼N±œE R¦Ä ¬ KyE
žDP+w4A
ìù[ ÔÉÐåL R¦Ä › KyN
=HN4„(<
ìïi ÔÉÐåL R¦Ä _ KGï
 G=AsM@
ì^iÜþ ÔÉÐåL R¦Ä › KGf
<FUA‚&S
y`TSÜþ ÔÉÐåL R¦Ä ’ KGTG
œKMSzER
³Š³eWN EXEÒk R¦Ä b êëq wT ÃËD t KG©
:<FEFI
ŒÈ GUc¾é R¦Ä WY KG·
?H-A†IG
ìù[S±œE ÔÉÐåL R¦Ä î KGk
¥D'4l'W
€E G¬…R …Õžl R¦Ä w KGVL
¡@.3qOO
³›ŽE ‚¿à R¦Ä q KGVQ
¦ITl(!
”êº R¦Ä t KGVT
9?""~!U
h KlB ‚¿à R¦Ä _ KGWB
¡G08s!R
G’üc ƒ³R …LƒE ÃËD ™ KGWR
:L+%DB
ûiWsD ÀžˆS ÔÉÐåL R¦Ä ‚ KGWS
@E<<‰0F
ÂY› EXEÒk Jâ¦Ä x KGWW
¥A9DkWT
G¬A ™ R ‘R„ AUX¬ç× R¦Ä ð KGXF
A>S-ŽI*
y¼€Y-²LD ‚¿à R¦Ä ‚ KGXY
>F8-†CY
GÙˆS-€E ‚¿à R¦Ä t KGYB
:<('~XN
Ú}LDÎN ÃËD R¦Ä SC KGYH
¢@K<p4A
ûi‚E ÔÉÐåL R¦Ä ô KGYL
›JK4|"R
P¹iIX ìODY¶R R¦Ä ð KGYR
A?73Ž4@
û–èR ¤¼K R¦Ä í KGZ
G[90¬4R
Ekþai aG‹}L R¦Ä/§DD€eN ÃËD l KGZH
Ÿ=6Wu D
dIûc aG‹}L R¦Ä OK KGZL
8A/3}#D
yEì× M. ­MÕ¾ …Õžl R¦Ä t KGZN
;>4 7
Íc}^Y ÃËD ú KGZS
ŸA'+u!6
”ž[ ‚¿à •NK_ Ãf R¦Ä l K¡B
ž@%!uYT
¡R‘ù ÃËD WY K¡D
?HU7ˆ0B
¡üIãL aG‹}L R¦Ä Õ K¡E
œEI:y8C
¡LF Õ[ ãY R¦Ä Œ K¡F
DC<N˜<"
^aE žkº ÔÉÐåL DR ¡_‡ R¦Ä § K¡I
¡GWAsAB
Üšc ‚ aG‹}L R¦Ä - ¹wN ÃËD ò K¡O
¡E3Pr=1
Õ¡œ ÔÉÐåL R¦Ä ™ KH\
=NL$ƒ>+
ÅõË MY RÃËD _ KH
 E24tM
®jáƒ aG‹}L R¦Ä x KHv
¤AE.mSG
JIM ¹GG ‚¿à R¦Ä t KHBV
;92Y€J+
jR ÀžˆS ÔÉÐåL R¦Ä  KHBZ
œA<HzM
H{´_ÎN ÔÉÐåL Üšc ÃËD ô KHCD
8JQB|4W
¡œO~ ÔÉÐåL R¦Ä ô KH‚
:NK(~VA
jR îœé R¦Ä { KH¤
AF:T7J
¡MÕ™ £ÄHïŠE aG‹}L R¦Ä “ KHDC
œ<=0x7$
BaWdc ÃËD › KHh
;F9&2)
jÁ“™ ÔÉÐåL R¦Ä l KHDL
 =3Qs0H
Î{H fX® aG‹}L R¦Ä b ¹™O t KHÚ
;;3@(B
^OÈÎN-ƒBv¾ R¦Ä  KjE
œ@@BxF@
jRŸˆ R¦Ä » KjG
¢<.FoN3
jß_³R ÔÉÐåL R¦Ä ™ KjI
>LT„E4
¹LYOÿ R¦Ä ‚ KjQ
=F@(„.5
jlDSÜþ ÔÉÐåL R¦Ä Œ KjS
DDE+˜SV
}T´EZ-ÁÝS ‚¿à R¦Ä / ¡ùY-`hº ÃËD õ KjZ
œ=BSy/P
”~lL MY R ÃËD x KHä
¤A (m;U
Õ›ß aG‹}L R¦Ä Õ KHFJ
8BT4|L
_DY Î{H y¼nsD R¦Ä _ KHFY
 ECHt#.
jÈÅœ ‚¿à R¦Ä t KHHF
<ASI‚6,
H¿ˆeN ÔÉÐåL R¦Ä _ KHHG
¡FQ(s98
d` dÝ¨R ÔÉÐåL R¦Ä OK KHHW
9@ #}>=
Õ¿T Âï_GeN aG‹}L R¦Ä NH KÅE
©J4!e>K
ÅGG_S±œE _Ódžl ÔÉÐåL R¦Ä Õ KÅG
›E"4{FE
jBƒN ÔÉÐåL R¦Ä › KHJH
:F'%A 
¡N‘ù ÔÉÐåL R¦Ä Œ KHê
CB1•CG
øY^E±œE ÔÉÐåL R¦Ä  KHKA
AV7wOQ
¡WK_S ÃËD õ KHñ
>2"x+2
ãfS±œE R¦Ä _ KHLB
¡E2@s-<
Åœ Ðà ÔÉÐåL R¦Ä ñ KHLC
<E4JOS
T’N ‚¿à R¦Ä î KHLX
£BKXnO7
b“A À¼DÂY R¦Ä w KHÈ
¡?56r1R
j…T ×` R¦Ä Œ KH÷
B?J “5
D‘ù ‚¿à R¦Ä å KHMZ
¥F#'l<N
H¿ˆÜþ R¦Ä _ KëB
ŸD,VtW+
j™cÎN EXEÒk R¦Ä NV KëD
BAX4‘& 
¡R“N ÔÉÐåL R¦Ä ç KëR
9GA"}25
j™cÎN OX‘ù R¦Ä x KëZ
¥B3Hl=K
Å¸“™ ‚¿à R¦Ä ò K¹C
¢E)2q>2
¹…R±œE R¦Ä w K¹E
¡=!3pL9
¡ÈeN ÔÉÐåL R¦Ä ç KHPT
›HI7{+A
ãYeWN R¦Ä t KHPY
8;M(|W(
HUìeN ÔÉÐåL R¦Ä ñ KHQG
<C'Mƒ4.
^Oõ[-˜Óäè ‚¿à R¦Ä w KHÆ
¢?=Mp<Y
…SÆ—E …ªO R¦Ä t KHQZ
9>JO~=O
•îœI ‚¿à R¦Ä ÷ KHRF
CL-#%>
jR§d[ ÔÉÐåL R¦Ä Š KHž
EKOH•->
¡ÖâT aG‹}L Jâ¦Ä R¦Ä x KHRJ
¤A4LlIY
jžˆeN aG‹}L R¦Ä ñ KHÌ
:DGG~N;
ja‘ù ÔÉÐåL R¦Ä t KHRX
=@Q:„1@
diÉS _fÖb‹}L R¦Ä õ KHÞ
<4"w9/
¡RžSÜþ-•€I¸ R¦Ä ¬ KHSB
žCNGv?
½™`„ RåRK OK KHSD
:AB$H4
vœY §T´ËL R¦Ä x KHŽ
¦A+XiC"
¹T ÀžˆS ‚¿à R¦Ä WY KHSG
AIHOŠ55
¡d_GS ÔÉÐåL R¦Ä › KH­
;FB1€7F
_wœS ÃËD î KHÀ
¤CW#mP 
¹T ÀžˆS ÔÉÐåL R¦Ä SD KHSR
>I4…58
¹ÖËL ÔÉÐåL R¦Ä q KHTF
¦H4VkFV
¡W^Š› _Ódžl R¦Ä NV KH^
CD>F”D 
ƒS‚MÕN ‚¿à - øOD³ß …Õžl R¦Ä § KHš
¢J3ArF.
“WaxE ‚¿à RåRK ò KHTW
¢D7'p;H
¹ØA fRaáüE R¦Ä “ KHØ
œ;?YxEC
¹PK_S±œE ´ždçN ‚¿à R¦Ä KY KHVC
ŸBQ7u90
¡Nñ±œE R¦Ä { KHk
AD7#ŒH,
¡ÄS±œE aG‹}L R¦Ä SC KHVS
£@6)n%'
¡YÂù EXEÒk R¦Ä Œ KHWD
DCE?˜%1
°¶š`D ‚¿à R¦Ä b ¡RŸWeN ÷ KHWQ
BL8U‹Q)
BƒOK¡kN Œ“Bƒ R¦Ä q KHWV
¨FO1fR(
ÂRa[ FAUÆèR R¦Ä î KHWY
¥DA)kHD
¡Ä‘ù ÔÉÐåL R¦Ä ’ KHXF
ŸI2Wv5:
‚nAY ¹R× ‚¿à R¦Ä SC KHYW
¤?OIm%2
ÞG_AW ‚¿à H.W. BƒW› R¦Ä § KHYX
¢I8qQJ
ŒRƒœ ‚¿à R¦Ä ú KHZD
žB#3v9N
…R„R ‚¿à aG‹}L R¦Ä ™ KHZE
=M/6ƒ@R
¡Z€eN ÔÉÐåL R¦Ä å KHZL
§FY*iYH
FlŽ žkR aG‹}L R¦Ä “ KHZR
œ<I$y:I
g†Š Ikº[ R¦Ä ô KHZX
›LC&{0A
KImlL ÔÉÐåL ƒÄ E •J ÃËD › KIBM
>G)/…FC
S´i~ ÃËD ç K¢L
8FI0}A
’üc aG‹}L R¦Ä SD K¢R
<I57P>
ÙA yOk ÔÉÐåL R¦Ä ç KÙG
9H1W}8H
_`A ‚¿à-JIMMY dEÂÄ R¦Ä å KÙI
¥FCRm$%
_`|A ÔÉÐåL R¦Ä õ KÙL
œ?;'xFJ
_h¨™i„ ÔÉÐåL R¦Ä ñ KÙP
9C'<}LH
æ› žD³ R¦Ä SD KèN
=I-„<4
}T´—O´‡ aG‹}L R¦Ä “ KèR
›=J'{#W
‹Â FlLS ÔÉÐåL R¦Ä ç KIFA
›H:-{.*
“¾_G ÔÉÐåL R¦Ä ¬ KIGQ
ŸG>$u=L
_h¨™i„ ÔÉÐåL R¦Ä ç KIIB
œH97yVR
Âï_GeN ’LÿS ‚¿à R¦Ä w KIIY
¢?LLpNW
’™¡M R¦Ä µ KIJD
¨GJDf(O
J–ñ[±œE ÔÉÐåL R¦Ä ¬ KIJX
EL;x,0
K€þ ‚¿à R¦Ä t KIKG
:9?!€Q
`ÿq aG‹}L R¦Ä ç KIKV
›GG;{?Y
J–K ãºeW R¦Ä § KIKW
¢IEMr-=
rY“RK ÃËD t K¬E
:=#'G)
IÈcçL ÔÉÐåL R¦Ä › KIML
=F<?ƒC.
IMÕKl¼ aG‹}L R¦Ä » KIMM
¢87Go6+
”ÎN ÔÉÐåL R¦Ä _ KIõ
 DK>s9V
_kÖ‡S R¦Ä » K_F
¡:N+p1$
ÅœSáƒ ÔÉÐåL R¦Ä t K_J
:>##P
¤¼´ R ‘R„ ãŽ NV K_S
BBA,‘F5
Õ¿T dc‰ˆ Õì…× ‚¿à R¦Ä KY K‹B
¡D!;qXM
‹Â Ðà ÔÉÐåL R¦Ä ç K‹W
œGD3y>M
‰x|[ ‰x|N ‚¿à aG‹}L R¦Ä x KIPJ
£A;o'G
KÊS´ ÔÉÐåL R¦Ä § KÊS
¡GNNs82
­øé ÔÉÐåL R¦Ä ç KgB
9I4(}KA
S´sL¤AFT ‚¿à R¦Ä § KgQ
¡KX;t(0
lEX`hR ÃËD Î{H WsD ‚¿à R¦Ä ’ KgW
žJ3CwP2
K— Œº[ ‚¿à R¦Ä ‚ K—R
=E,?„/$
Œ}™GUA R¦Ä q KIUA
¦HT>k1=
ì³vC Ê[ ‚¿à R¦Ä § KIWD
žL==x%T
Âãï ÔÉÐåL R¦Ä _ KI°
 FKMsMY
’SŒ«â R¦Ä … KI’
ªIWGcHK
²d ¹¥eN R¦Ä t KIWS
9;O$}F3
¡‰FAX-£Ä¡ÈeN aG‹}L R¦Ä x KIXA
¥B1MkD%
›W „·Y R„c R¦Ä ñ KIXD
8DOQ|S7
Í±œE ´žS ¤¥¯ …Õžl R¦Ä “ KIYA
›;X?z#!
_YOÿÖ R¦Ä Œ KIYK
CAE>“ON
ÞA Y›Z R¦Ä Œ KIZA
C@B6–"@
¶dcN SŸ¨S aG‹}L R¦Ä … KIZG
©IY:dVR
²dOkR ÃËD ÝÁŠ ‚¿à R¦Ä Œ KJAQ
DD4B–MD
J®¨R ‚¿à R¦Ä œ ÃËD t KJ®
8<S'| $
ŒÈœ ‚¿à R¦Ä - ‚Ÿ›L eMMY C d_c RÃËD ú KJAU
¡B2!r'M
J–ñ[ ‚¿à R¦Ä w KJŒ
¡@(8q?E
WsD ‚¿à R¦Ä - ‚œ_S ÃËD t KJDD
9>J>};M
êù` R¦Ä ÷ KJDN
@M1JˆW)
JEäcÎN Ðà …Õžl R¦Ä Õ KJEF
œDA:z'4
JcO… ‚¿à R¦Ä Ù KJc
CHIB97
J‡UP ÂY› ‚¿à R¦Ä w KJ‡
¢=?,oRW
ÂLÿR ‚¿à R¦Ä ±œ ÃËD l KJFX
Ÿ?T%u0Q
¯ZE²œ ‚¿à R¦Ä î KJFZ
£C!OoMT
’œçõÜþ JÝ‡eWN R¦Ä î KJGG
¦C,3jHX
d`eN ‚¿à ÔÉÐåL R¦Ä ñ KJë
=C@YƒIY
J–K †ÂùS }[l R¦Ä l KJKA
ž</8uF0
ÕŠjÁ ÔÉÐåL R¦Ä ô KJKJ
9LP3~EO
Õ• ÔÉÐåL R¦Ä ô KJMR
›KS({.0
ê‰â aG‹}L R¦Ä ¬ KêT
ŸG="v(>
eWN OF ¶d ¡ÈeN R¦Ä q KJPX
¨FWBf-"
ò‹ ‚¿à R¦Ä KY KJQD
ŸC9<tQ
JÝ‡ A R¹hS R¦Ä ò KJƒ
¢DXSp@F
´cOÿE ‚¿à R¦Ä t KJÎ
9=R'}+!
ÞœgAW ÔÉÐåL R¦Ä OK KJSV
8A80|N(
êŽPH dbE R¦Ä Š KJSY
DK3A“-,
Àžˆc±œE ÔÉÐåL R¦Ä ð KJTC
@@%R‹0C
Î{jÖ ’S‚¾_ aG‹}L R¦Ä ’ KJVL
žHC+w <
êë œ ’œçõ R¦Ä õ KJVW
>0*x6=
C“RK aG‹}L R¦Ä _ KJVY
 D3UsJ0
ÂeˆA aG‹}L R¦Ä OK KJWG
;AQS€7-
êë C ©› R¦Ä ú KJWN
ŸB(WtS*
‘X dEPj¾ ÃËD G¬…R ÔÉÐåL R¦Ä t KJXI
8>GV|VV
d JÝ‡ ÔÉÐåL R¦Ä ô KJYG
8IY)|?:
z`¯[ RåRK w KJYL
¢>DIoAP
ÅœSÛ€ ÔÉÐåL R¦Ä § KJYM
¡GU/rA'
€‡Üþ EXEÒk R¦Ä î KJYO
¥E"Gk?9
YŠK ÔÉÐåL R¦Ä › KJYR
:FSNC4
´€d[ EXEÒk R¦Ä SC KJZI
£>GTn2
æ~iS ‚¿à R¦Ä w KJZP
¡@9*r99
…Þ hL aY R¦Ä Œ KK¢
CB+G—%1
K`Í ÔÉÐåL R¦Ä { KKó
ACFŽ=R
EKUK R¦Ä í KKU
BXNF¼?>
ŸS lÝOS R¦Ä ö K“M
?ARMˆ.&
»OYD W. ê›S €ã£N R¦Ä Õ KLá
›CDTzE'
C“Rñ±œE aD žkR Ðà-J D ªgŽœ ÃËD t KLBR
8?AB}!O
ÂY› ÔÉÐåL R¦Ä / d` ÕRžS ÃËD › KLCG
:H,=~XS
“‚ÉA ÔÉÐåL R¦Ä NH KLÐ
©I@4e7&
“ÿ Ðà wfÂY R¦Ä » KLCQ
¡<(Up@C
‰™i R¦Ä NJ KLDJ
§FC!h,G
”ÎN ‚¿à R¦Ä § KLDM
 IWKt6:
€MÕN ÔÉÐåL R¦Ä SD K€M
=KU%„$4
AUÜÖ €’d[ ÔÉÐåL R¦Ä … K€W
ªJ Ud/
“y`³ ŒœAÂY R¦Ä w KLGC
 ?>s":
“ y`h/¿‹N ‚¿à R¦Ä Š KLGD
DK/7”7
“G¿A MY RÃËD ð KLGF
A>QB5O
j› ÔÉÐåL R¦Ä t KLHB
9<R0~C2
‰x|N aG‹}L KL ¡ùc ÃËD Œ KLHM
DDT?—3"
FRÃËD ‚¿à R¦Ä ò KLHQ
¢EK2pE8
’œçM T. æ¨R …Õžl R¦Ä å KLHV
¦G&&k72
§D‚®T aG‹}L R¦Ä b Wž¸T MY RÃËD w KLHW
¢=S:o?F
“ J¿¯ ÔÉÐåL R¦Ä ‚ KLHX
>D Y…<>
ªçˆ€ £ÄH EXEÒk R¦Ä x KLHZ
¥B6l1O
‰ÕN ÔÉÐåL R¦Ä ‚ K‰C
>E.;…EX
‰ß€ÃËD ÔÉÐåL R¦Ä t K‰U
=?U8„5+
‰T´ÃËD ÔÉÐåL R¦Ä ô KLJF
8K#P|<8
“ÿ z–Ù R¦Ä q KLKP
¨J-RgWI
“x®fR ‚¿à-˜ °ÊfR ÃËD SC KLKR
£@I4nQ/
ŸUgA ‚¿à R¦Ä / FaE”N ÃËD î KLKU
¥DAkX*
“ÿ ‚¿à R¦Ä Š KLKV
DH'F–5V
´l‰S R¦Ä Ù KœJ
CJ=5+#
€kœ`D ÔÉÐåL R¦Ä t KœN
=??'„41
‰ß€ žkR R¦Ä Œ KœR
DE-I™K,
“”R ÔÉÐåL R¦Ä Õ KœU
8C;,|0N
îxE B•™ R¦Ä ‚ KLÕ
?F'O‡'M
ŸUg±œE ’¾eN ‚¿à R¦Ä õ KLõ
?&Lw!K
åLM –H ‚¿à åRK R¦Ä » KL}
£8AAn#$
“x®fR R¦Ä t KLx
9>@E~I!
K_GS “™ O' “ÿS R¦Ä ’ KLNL
žL',w*J
“ÿ ‚¿à EXEÒk R¦Ä ò KLü
¤GG o55
Ÿ›Î… æ› R¦Ä î KLNP
¢BY-p=N
ªI-‚¿à aG‹}L R¦Ä ’ KLNR
I*Bx(S
’ˆS ÃËD å KŸM
§F&-i-T
€’S ¿Ikº—Y R¦Ä ¬ KŸT
ŸGB8v#L
ŸÈOC R¦Ä Œ KLPC
C@EV–:#
Ÿ•_ ‚¿à aG‹}L R¦Ä ò KL 
£G2Ep(E
æ~iS ‚¿à R¦Ä SC KLQK
¢@NBpH(
“Ö† åW›E ‚¿à R¦Ä ñ KLQR
;D*=#(
‰x|N aG‹}L R¦Ä … KLþ
ªK3Jb>#
€ ”º ÔÉÐåL R¦Ä ç KLRJ
9HLG~)C
Õ¿T z¶Þ aG‹}L R¦Ä FÎN ÃËD SC KLƒ
£>SRmLX
“WaxE S§^ …Õžl R¦Ä Õ KL×
8DBB|2C
ŸùSÜþ ÔÉÐåL R¦Ä ö KLSB
?>2ŠG=
L¥K ÔÉÐåL R¦Ä WY KLr
>HK,†60
ŸS ã£S ÔÉÐåL R¦Ä Œ KLSN
CC!L–R&
‰ÄY ‚¿à R¦Ä ÷ KLà
CN<EŒY:
L·AY ŒkÖS R¦Ä î KLUA
¥DF l< 
hŒ©R ÔÉÐåL R¦Ä t KLUD
:?-/@P
Ë‰ˆeN R¦Ä ú KLUG
ŸA<7tN,
jS€R £øE ÃËD õ KLÇ
=F3w(2
…£ÕÉE ÔÉÐåL S‚a ÃËD ’ KLØ
œJS>yR"
“…Þ ÔÉÐåL R¦Ä t KLUV
<>K5ƒU*
“·iS ‚¿à R¦Ä SC KLUX
¢@<8oVP
¨“™ aG‹}L R¦Ä t KLVJ
9;=/},>
‰kRÕa ÔÉÐåL R¦Ä Œ KLVK
DCGB—O*
BÌ¾’~ ÔÉÐåL R¦Ä î KLVL
¥BL9kMD
R“ÿ R¦Ä ô KLVN
›JCF{+G
Î{H ¡kN ¶ aG‹}L R¦Ä § KLÂ
 H3"t-3
“WaxE ÔÉÐåL R¦Ä ñ KLWC
8EF}+
“ÕÉ ÔÉÐåL R¦Ä ç KLWD
8FD{T&
²œS ÔÉÐåL R¦Ä/¡Ržâ ÃËD NV KLWL
CG% U1
“WaxE±œE ±xi›S _fÖb‹}L R¦Ä ¬ KLWV
ŸDKQuB2
‰ß€ FlLS-ÕRžÎN ‚¿à-‰™þH ÃËD ô KLXL
8KVY|2Q
JIM ÿœY ÃËD › KLXN
<FM:LD
€E'S ½M§T ÔÉÐåL R¦Ä Õ KLXT
8DWA|4/
“ÿ ‚¿à R¦Ä ‚ KLXV
?E++ˆ1
…Xç ‰…d[E ‚¿à R¦Ä t KLXY
9=D5~<S
LY[S-ž„ ‚¿à ÔÉÐåL R¦Ä ñ KLYO
:D24€+I
ÆiN A`iÎN RÃËD - LUkÖE ÔÉÐåL R¦Ä ô KLYV
9IBX~+#
ÛÉËÎN R¦Ä µ KLZD
©GO)eT"
G’üâT ‚¿à BžS‚E ÃËD w KLZU
¡?XGqWK
“È®® R¦Ä t KLZZ
:=$4€)K
”‚N ÚWÑN R¦Ä w K”C
¡>O2q?I
”h• ÔÉÐåL R¦Ä Œ K”E
CBY1–$I
”ž`} ÔÉÐåL R¦Ä » K”I
 <P.s(U
”Ÿ› Ó‘Ä R¦Ä q K”L
¨JQ+h1J
}ÈA ÔÉÐåL R¦Ä Ù K”N
DI@S’=5
”ž[ ‚¿à R¦Ä SC K”O
¤@(Rm2#
”LhN aG‹}L R¦Ä Õ K”W
BB wY>
”Éd¼ ‚¿à ø–ÿR R¦Ä § KmL
¡J.4t,M
BÌ„ ŒÈœ ÃËD õ KmO
>81x$)
Ðà OF ÔRFa‡áƒ R¦Ä ú KmT
 AREt4E
O”R N B•D€Y R¦Ä Õ KmY
›E9Rz7H
”~_– g“™ R¦Ä § K˜D
¢KQTrD,
°—E ‚¿à R¦Ä _ K˜X
 FH>tL
”Ä_ ‚¿à R¦Ä x K˜Z
¥AQJk(H
§D“™ RåRK t KMDD
<> )„$"
ÕŠË`D ÔÉÐåL R¦Ä OK KMDF
;B;#)E
”ÎN ‚¿à EXEÒk R¦Ä-eM ïP JR ÃËD l KMDQ
Ÿ@QGt?9
”ÎN ÔÉÐåL R¦Ä SD KMDS
:JX#'
¯YŸR ‚¿à R¦Ä ’ KMDZ
K$"x0*
“·_Üþ ”XeN R¦Ä x K…B
¤@M=m3W
…ÁE ÔÉÐåL R¦Ä ñ K…J
<C.C‚34
§™i-¯¹E R¦Ä NV K…V
DE•K"
JÝ‡ G. °—_G …Õžl ÃËD ç K…Y
9H(H}MC
…} _fRÕ¿¯_ ÔÉÐåL R¦Ä  K…Z
8@>I|*(
”ºHÃËD ÔÉÐåL R¦Ä ’ KMÃ
žJD+x)3
–‚”~ ‚¿à R¦Ä î KMFV
¦CDOiKF
”zE “ÿ ÔÉÐåL R¦Ä ô KMGG
›K,({Y&
Š`³ ‚¿à R¦Ä q KMGJ
§G<Bh-S
¡RáR ÀžˆS R¦Ä § KMGN
¢K7>rTN
ÕÇªè ÔÉÐåL R¦Ä w KMy
¡=#$qN*
ÛYeN-Wž¸T Bƒ^cS R¦Ä ò KMGY
¡EA2r+<
§T´ËL ÔÉÐåL R¦Ä SD KMj
:IL;€ 1
”º¡œ …Õžl ÔÉÐåL R¦Ä Õ KMHL
›E#K{*(
…ßc ÔÉÐåL R¦Ä w KMHP
¢>48p"T
ÕJAk R¦Ä Œ KMHV
BA!@”'%
¤Ydl R¦Ä ô K§C
›K!I{3,
§ÝI ÔÉÐåL R¦Ä OK K§O
8BT?|S-
ïAFfR R¦Ä - §c ÃËD Œ K§T
CA<9•)=
”º¡œeWN ÔÉÐåL R¦Ä ç K§W
›H$LzU"
æŒY¿E ÔÉÐåL R¦Ä õ KMJD
<;-wE"
J–ñ[ ÔÉÐåL R¦Ä ô KMJQ
8IE|Y)
O„` ‚¿à R¦Ä NJ KMJX
§EUEh/?
§œc ÔÉÐåL R¦Ä SD KMKA
;J==€W;
Õ¿¯_ EÈÊE R¦Ä î KMKJ
£BSHo3
‚”xj ‚¿à Ðà R¦Ä t KMKN
;=U€B
ÔrO³E-Û±S aG‹}L R¦Ä OK KMKO
9AE5}4
Rÿ€Y ‚¿à R¦Ä SC KMñ
£?)&n )
”NKbO aG‹}L R¦Ä ô KMKT
›J+;{U'
”Rñ±œE ÔÉÐåL R¦Ä “ KMKV
›=#Gz"'
”R‚ g“™ EXEÒk R¦Ä » KMKY
¢7YHoF3
”“D Ðà R¦Ä Ù KMLD
BH(Ž/O
§œD R¦Ä › KM€
9G)K~$J
§L‘ù ÔÉÐåL-N `D JUDY BžS‚E ÃËD { KMLF
BD7BI
ãLD’N ‚¿à aG‹}L R¦Ä w KMLJ
¡?'-q,9
§œ_O~â ÔÉÐåL R¦Ä … KMLT
ªKDRbG&
”MÕ^ YOŽ§f R¦Ä Œ KMMH
CCC=”PA
˜§ü ‚¿à R¦Ä ú KM§
¡A5Pr?K
…žhN ”RK¡M ÔÉÐåL R¦Ä µ KMMK
¨G<=fOL
Î{H²d §ü‡O¯ aG‹}L R¦Ä - ”º¡œ/×` ÃËD ô KMML
9J9 }O1
ŽLFS R¦Ä õ KMõ
@+Sx/5
§™i R¦Ä “ KôE
›>DL{/S
Õ¿¯_ ±EW R¦Ä Õ KôF
œBY@yHR
Þ¼ ‚O¨R aG‹}L R¦Ä SC KôI
£?A,n*=
…£§›E-”ž›ßE T’N ‚¿à R¦Ä § KôM
 K%BuD0
”ž[ ÔÉÐåL R¦Ä ò KôN
¢FBXq!O
ÕNƒE ‚¿à R¦Ä ú KôV
¡A>Ir4O
¡§LeN ÔÉÐåL R¦Ä t KôZ
:=EW€&U
Õ¿T z¶Þ ÔÉÐåL R¦Ä § KÕP
¢IC0rJ-
ÕRždÑN aG‹}L R¦Ä ú KÕR
¢B(Lq4>
ÕRžS ÔÉÐåL R¦Ä ´‰E S´§DT ÃËD ô KÕX
9K?X}X 
PÅ“hLPÅA ÔÉÐåL R¦Ä õ KÈE
>MXw%@
”º¡œ ‚¿à R¦Ä WV KÈG
¤ERQnJ'
”ž¦Þ YOŽ§f R¦Ä Œ KÈI
CC<E– 6
¨T J¶N åRK R¦Ä  KÈJ
›A&2zT?
¦‚£ Õ¿¯_S ÔÉÐåL R¦Ä å KÈO
§G&(i4L
˜ Pjº[ R¦Ä ñ KÈR
:D3'G;
Õ¿T z¶Þ ÔÉÐåL R¦Ä ç KÈZ
œFVNy<F
”‚m ÔÉÐåL R¦Ä ¬ KMQB
F=*xE'
Ûa ‚¿à aG‹}L R¦Ä x KMQI
¦AU&iGJ
_`A¦‰S aG‹}L R¦Ä _ KMQJ
 EPCsSP
´‡fR ‚¿à G O ŒRLÎN R¦Ä å KMQS
¦EXJiQV
fLFR °¼€R R¦Ä w KMQW
¡>#KpRN
”·Y ‚¿à R¦Ä ú KMRC
ŸA?-u(J
”RFA ÔÉÐåL R¦Ä t KMRF
=<4)†W
§´AË J. S§^ ÃËD x KMRH
¥@JjED
‹Â ‚¿à R¦Ä ’ KMRJ
HS*x,(
‘O^¬LS aG‹}L R¦Ä x KMÖ
£AO+oBG
¿‹N ‚¿à R¦Ä ò KMÄ
¢F+;q3$
½œIîN ‚¿à _fÖb‹}L R¦Ä q KõV
§GH$hMH
‚€S ‚¿à …Õžl R¦Ä ¬ K÷O
žE:Fv.K
ÕAUK R¦Ä q K÷P
¨G"AeU-
øUE žD³ R¦Ä î K÷V
¤BCQn$
”ÉeWOC ‚¿à R¦Ä ’ K÷W
ŸJ%DuFU
Ài„ R¦Ä w KÔL
¡=&<qH+
ÔSŒ› ÔÉÐåL R¦Ä ç KÔT
G4"y&T
ÕNƒE ‚¿à AcOzEX R¦Ä l KMVC
ž=9;u3"
ÕE±hO ´IP¨Â ‚¿à R¦Ä ô KMk
9JX'}HC
ÕE ±dA ÔÉÐåL R¦Ä ‚ KM±
?C=Dˆ S
ÕRžS±œE-dÑE dbE R¦Ä VT KMVL
©J>#fBP
”´çS îœé R¦Ä … KMVM
ªJH)a:I
Õ¿T kÖ[ O{“™ R¦Ä ¬ KMVN
žD14vQ?
”Ä¡'S ±›YD R¦Ä ” KMVY
©G5AdBQ
“WaxE J M…R”N R¦Ä ’ KMWC
ŸI$Cv "
Õ¿T × ½R× ‚¿à R¦Ä x KMWK
£B9An?)
’™OM ÔÉÐåL R¦Ä ô KMWM
8ITN}$@
§DD€eWN aG‹}L R¦Ä ò KMWO
¡E=Rr5I
”É“ ÔÉÐåL R¦Ä  KMXA
ASFx'/
Õ¢ËŸ aG‹}L R¦Ä ç KMXO
H++y'N
Õì…×-GIBBS EXEÒk R¦Ä Œ KMYF
B>NW“&6
…X¢O …Õžl R¦Ä Õ KMYJ
œE'9yO$
”Y ¤¼K R¦Ä í KMYK
G[2'¬G+
”×S±œE ÔÉÐåL R¦Ä ñ KMYZ
9EQ5~CP
ÕOŽ “ÿ ŒRLeN ‚¿à R¦Ä ô KMZH
œL7&zN/
æ}L RåRK ð KMZJ
@><D1G
”ž[ ÔÉÐåL R¦Ä _ KMZZ
 F;6sFM
}îL O{LY_G ÃËD ãžN l KóJ
ž<53uD%
ÛHLyi }îL ½RF–E ÂRFE „c R¦Ä î K™Y
¦D1Wk ,
°—E¹¥E }îL O{LY_G ÃËD » K›N
¢<3,oR1
½M…ùlE }îL O{LY_G ÃËD l KNFD
ž<<:uDJ
ýa« }îL AUX¬ç× “™_G ÃËD î KNý
¦BG<j&$
´OµAW £LF R¦Ä » KNFJ
Ÿ<<7tWA
ÞA ƒÞ }îL O{LY_G ÃËD R¦Ä » KˆS
Ÿ<BEtV6
}îL O{LY_G “™_G ÃËD ì‰Á t KˆT
::BVBY
ŒãÉ« ÃËD }îL O{LY_G “™_G ÃËD t KˆW
:9H.88
”ž› ‚RPS AUX¬ç× “™_G ÃËD áGUE x KNJM
¥@G7kM
êE ’œçõ }îL O{LY_G ÃËD õ KNJW
ž>MUvP"
Š`³ yOk }îL AUX¬ç× “™_G ÃËD t K£G
:9T"€!$
¦Ä `³€S CwS R¦Ä Â K£W
FN&;™6P
­LkRÅœ }îL O{LY_G “™_G ÃËD l KNQB
ž<?OuNA
‚U¨±œE £LF R¦Ä Â KN•
FN)0˜CU
£Ä[ ÔÉÐåL R¦Ä ñ KNÖ
<EQSG
Ài„R £LF R¦Ä » KNRQ
Ÿ<C=u&6
}îL O{LY_G ÃËD IÈcçL –H (aÝ ÃËD) Œ KNº
B>@“%
ÞN É‚“S g“™ £LF R¦Ä Œ K¾I
B?,5•9;
ÞN C€…E g“™ }îL AUX¬ç× “™_G ÃËD Œ KNUC
B?4”A/
}îL O{LY_G “™_G ÃËD ²Bdc MD KNUI
¦D&Ej7C
›îÛ ÔÉÐåL R¦Ä Õ KNVD
8CQ&|00
ÂLDƒN ÃËD }îL O{LY_G “™_G ÃËD t KnL
:9D$0J
”ž} ÔÉÐåL R¦Ä Œ KO
CBFU—KI
OÿE´OE ‚¿à R¦Ä » KO
¢9-LnPY
WsDv› ÔÉÐåL R¦Ä NJ KOv
§E+'hMG
OŒ“ _fÖb‹}L R¦Ä - JIM ¯YŸR ÃËD » KOCF
¢;(3p+9
A L ”ˆ¡M JR. aG‹}L R¦Ä t KO´
8=@G|H@
J. ÚUû® ãÿ …Õžl R¦Ä ’ KOCQ
ŸJR9uTH
ÂRaN ÃËD x KOCW
¥A@,k Y
Oh«A S´€…Yc ÃËD t KOÚ
==U,„5+
EkLYN ïP ÃËD › KODX
;GC9€W'
O'›l R¦Ä ¬ KO¶
ŸDG%u>A
B•xH ‚¿à …Õžl R¦Ä § KOEB
¡GVs!'
Oí€Y ÔÉÐåL R¦Ä ñ KOË
<E$B‚NX
L O ­…¾¯D ÔÉÐåL R¦Ä ’ KOEO
œK0BzG=
¡£kR ‚¿à ÔÉÐåL R¦Ä î KOFP
¥CH>k8*
OwœlA ÔÉÐåL R¦Ä Ž€ ÃËD › KOw
=G%(ƒL*
[e}ìN ‚¿à S´¥fR ÃËD § KOGM
žLPJw4 
LT ÂRaN ¶eN R¦Ä q KO¢
§H@i=9
OR‰N ÔÉÐåL R¦Ä ñ KO_
<EP ‚>2
^O”S P dAäŠD R¦Ä OK KOJA
;A>G€F%
êëÎN ‚¿à EXEÒk R¦Ä ñ KOJC
8DPQ|J-
O„`­h ÔÉÐåL R¦Ä Œ KOKB
B?+#“3$
AJ Egiþ R¦Ä Â KOKH
FN-#˜F8
KOKOÕ ÔÉÐåL R¦Ä _ KOKK
 F=Ht!>
OKÔL³E aG‹}L R¦Ä OK KOKM
9AF#}VU
wùi ‚¿à R¦Ä/K_G RÅ€Y ÃËD › KOñ
=G6"„30
’xjdc aG‹}L R¦Ä î KOKV
¥E&Cl&F
KA|_ ÃËD w KOKZ
¢>XpP0
h’ß ÃËD - |D eWN ÔÉÐåL R¦Ä … K|D
ªJW(bF9
ŒßAUG¥ ‚¿à-|¶N R¦Ä q K|E
¥H,:l4/
ÎŸN ÀžˆS ÔÉÐåL R¦Ä ’ K|G
œL0SyNY
|Ik B•xH R¦Ä õ K|V
@XIwM+
|›Y £øE R¦Ä ¬ K|Y
žDI0v(A
OË²_ ÔÉÐåL R¦Ä ç K|Z
œHFQyX7
Š`³ ‚¿à R¦Ä î KOMH
¥D,Pl J
O”K R¦Ä Â KOMK
EN9R•=#
ŠÕ™ –H ÔÉÐåL R¦Ä » KOô
¢;0 o$O
’£} ÔÉÐåL R¦Ä ”X ‚N•D ÃËD ô K[A
œJ"DyH<
O'›¬L ÔÉÐåL R¦Ä-êë L ãÿR ÃËD › K[L
;H:&€G+
Î‚Rƒ ÔÉÐåL R¦Ä ö K[M
?@3ˆT)
ÒRž©~ ‚¿à aG‹}L R¦Ä x K[X
¦B5VjY
|›Y ÔÉÐåL R¦Ä t K[Y
;?3!€O'
yO«E ¬E ÔÉÐåL R¦Ä § K[Z
¢H#Wq'G
OrlsÞ ÔÉÐåL R¦Ä ç KsA
œG+@z;D
d “™× åžï A¡Ä ÃËD “ KOz
›<?<z#X
^O”d[ UPÎN ‚¿à R¦Ä w KOPN
¡>W/r-N
B•™Y’› aG‹}L R¦Ä å KOQN
§EY6i@U
”ÆOÿ¯ ÔÉÐåL R¦Ä ç KOQW
H!!xJ3
ŠR aG‹}L R¦Ä ô KŠB
œNWzQ4
Š`³ ÔÉÐåL R¦Ä ” KŠE
¨H@*f/1
Š`³ ‚¿à R¦Ä t KŠG
8<"'{N!
£ÄH ‰ß€ ƒ~ ÔÉÐåL R¦Ä  KŠK
›@OYz--
Õ¿T z¶Þ aG‹}L R¦Ä t KOÞ
8?#J|WG
OS‚Û W·TS§^ R¦Ä § KOSC
£J9$q5E
KOSÐ¥KO b¯“ ‚¿à R¦Ä õ KOSX
?#7w>=
WŠ^_GeN ÔÉÐåL R¦Ä ô KOTG
9IE/}@E
¿Ikº—Y OF OK“¹” ²djI…R R¦Ä OK KO¿
:A,J:2
ŠO±œE ÔÉÐåL R¦Ä Œ KOk
DE;.—C1
|I±A aG‹}L R¦Ä ô KOVL
8JLI}X
£ÄH kÖ[ R¦Ä _ KOVO
 E JsB1
áS‚L R¦Ä ’ KOVS
I'CxF>
Ñb[} hG›R aG‹}L R¦Ä ô KÑA
›J%6{-D
OßAÂ ÔÉÐåL R¦Ä ñ KÑI
9D>1}-)
„•L ”_E/£RžD³WO~ R¦Ä … KÑK
ªJHVcQY
’œçM R. ¦GUE ÔÉÐåL R¦Ä OK KÑP
9B(=~'$
P{}M ‚¿à R¦Ä ò KÑX
¢G &qXU
ÂfRÜ× OX‘ù R¦Ä µ KOXC
¨G:Ig&%
§ÝI ¿Ikº—Y R¦Ä ò KOXD
¡E<&rM"
dÿ ‚¿à R¦Ä _ KOXI
 G1NtEJ
K£X±œE ÔÉÐåL R¦Ä ç KOXV
›G/V{$P
d ”×S ÔÉÐåL R¦Ä å KOYM
¥G6Kl<'
OZ[A ÔÉÐåL R¦Ä t KOZA
<<J%ƒ*)
ŒMh[ …Õžl R¦Ä Õ KOZS
›CX8zG;
‰±ˆd[ ‚¿à Ài„R J. ¡ùY R¦Ä § KOZW
¢HCKqXV
åYÎN R¦Ä ð KåN
@@-622
 ¢E ‚¿à R¦Ä ’ KPBH
KH>x6'
æÿ ‚¿à R¦Ä ¡T´c ÃËD KY KPBX
¢C?Ep@*
¨R×±œE aG‹}L R¦Ä Õ KPCD
CR%wQJ
z`T Ðà ÔÉÐåL R¦Ä » KPCM
¡:p'Q
ÂUåŒ ÔÉÐåL R¦Ä ’ KPCZ
žJ2w)
 žE Ó ´èN ÔÉÐåL R¦Ä ’ KPDC
I'y%7
¨œA ÔÉÐåL R¦Ä ç K¨A
›G6zVK
¨ü Y` R¦Ä q K¨O
¦HD,k!(
¨‚S ÔÉÐåL R¦Ä t K¨Q
==4W…<F
åY›S±œE ÔÉÐåL R¦Ä ô K¨X
8K41|JG
z¶Þ[ ÔÉÐåL R¦Ä t K¨Z
::W-€=*
åÐÃC Ðà dbE R¦Ä Š KPFC
FK)Y™WI
KÊK ÃËD  KPy
B!Lx<:
¡R× C€kR ÃËD ò KPHD
£F:-o7)
PÅœIPSÜþ ÔÉÐåL R¦Ä ñ KPHG
;EJ'1 
ƒÄ F S’üè R¦Ä SC KPHH
¤?9$m=@
åLM –H ‚¿à ûÁ‡ R¦Ä » KPHK
¢8M$nGB
d C“Ê ‚¿à _fÖb‹}L R¦Ä § KPë
£HTFp=J
PÅ‰P R¦Ä SD KPHP
=J UƒB!
jN× ‚¿à R¦Ä ú KPHT
žB20v4X
¦Ä gÍË Œ…ƒN ‚¿à R¦Ä t KæL
:8'X2K
¡RžS ‚¿à R¦Ä w KæM
 >P9rRW
ZËè£zE ÔÉÐåL R¦Ä å KPJC
¤FN$n'E
æxK›Y±œE Ó ÆO_ R¦Ä ¬ KPJY
žCXFw3D
åRK •æDS ÔÉÐåL R¦Ä K[ïOK ÃËD ô KPKD
8LT }"5
åRK FlLS ÔÉÐåL R¦Ä ’ KPKF
KW0x7:
ŒL¹¿ ‚¿à R¦Ä t KPKV
9:E,~FS
¦Ä“™ ÔÉÐåL R¦Ä _ KzD
¡F9!rY6
M. yA¡M C“RK ÚWÑN R¦Ä Õ KzK
›BC?{+J
d C“Ê ‚¿à R¦Ä l KzR
Ÿ??>t,W
æc„ ‚¿à-^¿ ÃËD Â KzU
FM$,˜/+
¨m_A ÔÉÐåL R¦Ä ™ KPm
:NV?,9
y¶fR ¦ÄSÕ{H aG‹}L R¦Ä ò KPMH
¢DP8pPP
¦È`O –H RåRK » KPÈ
£8,Pn$F
å£“ ‚¿à R¦Ä õ KPÔ
@3OwS?
zbTSÕ{H ÔÉÐåL R¦Ä › KPMV
9FVR}U 
zYÕ{H ÔÉÐåL R¦Ä x KPMZ
¥AN<jK?
 _„eN ÔÉÐåL R¦Ä ô KPö
›K?B{B<
 _„eN ÔÉÐåL R¦Ä … KPü
«K*!a?R
¦çC ÔÉÐåL R¦Ä ¬ KP
žFU9vC:
B•~âT ÃËD Œ K¦C
B@#<“LU
¦z øUä ÔÉÐåL R¦Ä Õ K¦F
BL8x1<
¦Œ¹® ÔÉÐåL R¦Ä ç K¦H
8HJ@|DP
¦ÄA³ ‚¿à aG‹}L R¦Ä ò K¦V
¤G*Co-$
¦²œ ÔÉÐåL R¦Ä WY K¦Y
AJR ŠMA
¨R× €‘º ÃËD t KPå
<ABM‚YL
ªI-Ðà R¦Ä ñ KPPF
9C1N}<4
“ ¦ÄE ÔÉÐåL R¦Ä _ KP¦
 G@3tJ"
æßSÃËD ¨¾e› ÔÉÐåL R¦Ä ¬ KPPQ
ED2xLH
ªiT Ÿß _fÖb‹}L R¦Ä õ KPQL
ž<9Lv=K
æ¨d[E ÔÉÐåL R¦Ä ô KPQN
9IY~0
†wR ‚¿à R¦Ä ¬ K G
ŸEHuF)
”C ¤iïAW …Õžl R¦Ä l K N
Ÿ=PKtBE
¨R× ÔÉÐåL R¦Ä ç K O
8GOG|'B
¦Äl‡ ÔÉÐåL R¦Ä ö K Z
=@&J…6B
§D-dbE aG‹}L R¦Ä å KPSB
¥FS"l#,
æßSÃËD ÔÉÐåL R¦Ä ” KPSF
¨H7Bg/@
›W žkR îœé R¦Ä î KPr
£C&,nFI
å€d_E ÔÉÐåL R¦Ä t KPSN
9=LM}H5
dEk¾ ÃËD ‚ KPÎ
?C/)‰!4
å“ÐOS ÔÉÐåL R¦Ä t KPSX
9:IE~-"
nÙE ‚¿à R¦Ä î KPTB
¥C) k<9
¦TSÛM ÔÉÐåL R¦Ä ÛÕN ÃËD q KPTD
¨JFBhVU
¡R× P ’œçõ …Õžl R¦Ä “ KPú
œ;H@y22
bK_ÎN ÔÉÐåL R¦Ä ñ KPTS
8C8X|IR
 bT aG‹}L R¦Ä ñ KPß
;CH$€JO
¦Äc±œE ÔÉÐåL R¦Ä Œ KPTV
CBM•!M
jž¯³ ÃËD å KPTW
§F,5i?6
ŒRáN ‚¿à aG‹}L R¦Ä / Ü~ Û±S ÃËD { KPUC
AEBPŒK"
­LkR ‚…T ÃËD b åÇˆ £ÄH²d b“A R¦Ä w KPUJ
 ?TNrV=
zbf±œE ÔÉÐåL R¦Ä ’ KPVB
HG4x8F
 O±xâÑN ÔÉÐåL R¦Ä ” KPVC
©H"1d+/
E´ žkR aG‹}L R¦Ä ú KPk
žAE5v)I
z–c±œE R¦Ä Œ KPVF
DDI9–K)
¡ÈeN ƒÁS EXEÒk R¦Ä î KPVG
¦BLOj8V
åÇS îœé ÔÉÐåL R¦Ä OK KPVJ
:@HF+6
¡€ ‚¿à R¦Ä t KPVW
<@(#ƒI
’€Y ¦d R¦Ä OK KPÂ
:A>!DP
æ› žkR aG‹}L R¦Ä ô KPWC
8LI;|4T
ïc-WsD R¦Ä ÷ KPWD
?NM7†> 
˜yEìR EXEÒk R¦Ä t KPWG
:=;$0Y
¨R× ¹¥eN ‚¿à R¦Ä w KPXE
¡><DqL 
å³“™ R¦Ä SC KPYG
£@J>n2I
zYÕ{H ÔÉÐåL R¦Ä ” KPYM
©GT>dIJ
æ†Õ ÔÉÐåL R¦Ä Õ KPYN
C%BxHL
„a-æ†Õ-´cOÿE ‚¿à aG‹}L R¦Ä l KPYP
 @#6sBB
¨R×eN O´¬ª¼ ‚¿à R¦Ä t KPYX
<B6L‚K%
 ‡ÆE g€ ‚¿à R¦Ä § KPZQ
¢K68qNL
êë H ãßi R¦Ä ’ K•C
ŸHKDuNU
Ôd`G –H R¦Ä t K•S
:9NH#2
ÂºAW ÔÉÐåL R¦Ä Õ K•W
›D2O{2I
Ûœ® EXEÒk R¦Ä t KRBD
:>FQ~R$
ƒ~ ‚¿à R¦Ä › KR
;H@)@$
ƒŽÜþ aG‹}L R¦Ä Š KRBG
EI,2™34
ƒv¾[ MY R ÃËD  KRBM
›@PRz/X
NUE„S ‚¿à R¦Ä t KRá
:9LGG6
ŸW‚¿ªY aG‹}L R¦Ä SC KRBW
£>U.nD8
C“axE E å³ ÔÉÐåL R¦Ä OK KR„
:A;/O7
H H ‚äèLD aG‹}L R¦Ä t KR~
:<CT~Y5
rY¡kN R¦Ä Õ KRCM
8DM!{N(
ƒOñ ‚¿à aG‹}L R¦Ä ñ KRCP
;E2N0/
FÇeN ‚¿à R¦Ä _ KR¤
 G!Vt(T
}ÄƒN ÃËD § KRµ
¡IT$s<X
®ª[A{ ÿ ƒ§ˆc R¦Ä ‚ KRCV
?CHOˆ3,
Ìr ‚¿à R¦Ä ’ KRCX
K;Ny 
ž´Õ™ ‚¿à R¦Ä x KRCZ
¤@S;mKA
aD Oí ÔÉÐåL R¦Ä ç KùK
8GD}-B
aD ŸD³ R¦Ä ÷ KaD
AK)"‹-:
ŸUgç} aG‹}L R¦Ä “ KaG
œ<(4xV8
aD“™S ÔÉÐåL R¦Ä Œ KaI
B@#%“&L
ƒ… dbE R¦Ä Š KaO
DH@F“S$
ƒOÿ ÃËD t KRFG
::/C15
Ìr ‚¿à R¦Ä t KRÃ
8>&<|Q$
aD ’ˆ aG‹}L R¦Ä ô KþK
œJA4z;$
aÙ-Åœ±EW R¦Ä OF ÞA C“• ‚¿à Œ KRHV
DC1X—O&
ž´Õ™ ÔÉÐåL R¦Ä _ KžD
¡EK8rP@
ž´ÃËD ÔÉÐåL R¦Ä { KžF
ADJ!Ž$$
»ÍOB R¦Ä Œ KžR
B?Y5“6F
•x¹ ÔžâA R¦Ä Œ KžU
DD;*—$)
žD³LY RåRK MD KRJD
¦DX*iQY
`ÞS ‚¿à R¦Ä t KRKP
::#* G
ƒÄ S ÿRR R¦Ä OK KRKR
8A0|C/
ƒ~WsD ÔÉÐåL R¦Ä ú KRKW
¡AU2rG5
ž´“™ R¦Ä Â KRLD
EL02•0,
dAäŠD aG‹}L R¦Ä î KRô
¥D5Sk92
BƒOñ ÃËD § KRMY
¡H-"rW2
ÂRaN ‚¿à …Õžl R¦Ä ú KÖC
 AGUsPD
•Õ} R¦Ä Œ KÖM
B? 3’TT
ÑO«O ‚MÔÉà R¦Ä § KÖP
¢HYAr&2
a[ ÔÉÐåL R¦Ä Â KÖT
FM;A˜*X
C€k“™ ÔÉÐåL R¦Ä õ KÖV
œ?KFxK:
ƒ³º ÔÉÐåL R¦Ä-ŒÄc ÃËD  KƒG
8B42|$7
Ìï Ðà aG‹}L R¦Ä ô KƒS
›KGSzW)
ƒŽAU ÔÉÐåL ÌDY vœþ ÃËD ô KƒX
9NQ4}GO
œE±œE ÔÉÐåL R¦Ä ñ KRPB
:EO"EA
ž„ “ÿ aG‹}L R¦Ä - ŒRL'S ÃËD ’ KRPD
œK75yL5
yA¡M ÔÉÐåL R¦Ä t KRPH
;?$C€?1
ƒ´Ë€ ÔÉÐåL R¦Ä - KŠ—Z ÃËD ¬ KRPJ
žGSAw"H
ƒ¿ÓP R¦Ä ÷ KRPX
AL:<Š>;
ƒN ¹OD R¦Ä § KRQB
¡II3s<-
’™Ñ ƒ~ R¦Ä ð KRQE
@AE&‹"
Ë a£ aG‹}L R¦Ä OK KRQO
:A:4€3
…Ržœ ÔÉÐåL R¦Ä ’ KRRL
žK)VwHL
ƒ~ •æDS ÔÉÐåL R¦Ä ç KRRQ
9I9&~(M
ÂRƒÁ _fÖb‹}L …Õžl R¦Ä ô KRÄ
8NV;}2T
Ìd[ aG‹}L R¦Ä “ KºN
›><QzA1
ƒv¾[ ÔÉÐåL R¦Ä ¬ KºV
ŸEXuDY
•eN ÔÉÐåL R¦Ä / ¤EWS ÃËD ö KÄN
>BJ;†<%
a£-d¶D R¦Ä NV KÄS
DEF!•R@
Ì«ËL±œE aG‹}L R¦Ä  KÌE
›A-?{#B
ÌGÏ ÔÉÐåL R¦Ä ™ KÌG
<N57‚8
§D-Œƒ‰} aG‹}L R¦Ä x KÌQ
£ADKn=+
ÌÏ îœé ÃËD ÷ KRVF
CK>Ž0
S’[ S§^ ÃËD b aÙS±œE ÔÉÐåL R¦Ä w KRVJ
¢>!@p',
§ä‰N ‚¿à R¦Ä å KRVL
¦FFEkCB
¡WK_S ‚¿à R¦Ä ú KRVN
¢B99pS$
iS ÃËD _ KRWN
 G#>tBN
ŒLD²œ ÔÉÐåL R¦Ä t KRWV
9<<V~H-
aXÜþ ”ÎN ‚¿à R¦Ä Ù KRXE
BIP N0
•Y S §œc MY R ÃËD ô K×M
8L#:|3D
×` ÃËD ð K×N
@>&>(<
ÂfÄÑN ÔÉÐåL R¦Ä ’ K×V
ŸI()vI6
“ì ±dA fX® ÌdY l€N R¦Ä t K×W
:<;UX(
J®¨R ‚¿à R¦Ä _ KRZL
ŸFVRu(W
ÜÖâT ‚¿à R¦Ä ’ KRZN
œKO4z43
C€k“™ aG‹}L Jâ¦Ä ú KRZR
¡A*GrMY
ƒ« ‚¿à R¦Ä ò KRZT
¢E87q5
ïIkLY ÃËD WY ñAA
@G8HˆO8
ÞäŠD aG‹}L R¦Ä ð ñÁ
@>Q/‹D$
À¯ ‚MÔÉà R¦Ä - H¿fR ÃËD ¬ ñ
D&VwGU
ÞLeN ŽA R¦Ä Œ ñ®
B?,;‘W%
dAz‡ ÔÉÐåL R¦Ä ô ñð
8L4Q|N6
ïEáYwN ‚¿à …Õžl R¦Ä ’ ñBM
ŸIL)uQ#
E”NUË ‚¿à R¦Ä w ñá
¢>B?p4*
d¶mOb ÀžˆS áB ÁÝS ÃËD ‚ ñBS
?F<YˆQX
øUE ¶ÄH ÔÉÐåL R¦Ä ô ñÜ
8IAI|#@
ïËÏ R¦Ä ÷ ñBX
CN>9R.
­D›Y ÔÉÐåL R¦Ä ò ñŒ
¡F,;r'!
S¤IB›R dbE R¦Ä › ñCB
9GBC~CN
…RÿL ÃËD SY“ŒUw ÔÉÐåL R¦Ä l ñCD
Ÿ?(0t02
­€R Ðà ÔÉÐåL R¦Ä x ñ¤
¤AH-m<-
S‚ß ÔÉÐåL R¦Ä ú ñCX
¡B92rA(
ïi`ÚAH ÔÉÐåL R¦Ä ç ñÛ
9FK$}6O
’œçõ[ ÎÓS R¦Ä q ñDC
¦I,"k%(
S‚ßSÛ€ R¦Ä ð ñDL
A?C4TF
G¬€Àè ÃËD Œ ñ¼
B>O@’X1
ŽBžˆ aG‹}L R¦Ä » ñEF
¢995o2?
¨ü îœé R¦Ä å ñEG
¦FO,jQP
¤G ÃËD l ñEM
Ÿ>2DtY.
dEPjN±œE C“RK aG‹}L R¦Ä t ñEP
:>*U€(F
•™|PH R ‘R„ ãŽ AUX¬ç× R¦Ä t ñEQ
:;?RT'
FaE”N ÔÉÐåL R¦Ä _ ñc
 DU7sT9
d ´€S ‚¿à aG‹}L R¦Ä/S”ÄT ÃËD Õ ñâ
DUMx7N
ŽÚ} R¦Ä ð ñEZ
A@PUM/
ÞN‘ù Ž–O®T aG‹}L R¦Ä … ñFM
©I5DdH;
½ä|K EXEÒk R¦Ä î ñFQ
¦BFWjB%
ªI eW¾ÅP R¦Ä ¬ ñFY
H Kx$:
£ÄH „•L dbE R¦Ä ž ñFZ
©GU-e;;
Î{H d åÇ ÔÉÐåL R¦Ä/ž´D E »E§ˆ ÃËD ô ñGS
›JQ8{X
d{TwÄ ÔÉÐåL R¦Ä / ŒRL HØPHaY ÃËD  ñGT
œ@AXy@<
ïËÚN aG‹}L R¦Ä ç ñHL
9I*<}P
Þ™cÎN ÃËD Â ñë
FM,™&S
ƒ~_¸Ý ‚¿à x ï¬ò R¦Ä x ñIF
¤B8,mQ"
­ÿd[ …Õžl ÔÉÐåL R¦Ä Õ ñIK
BSVw?H
½œIîN ‚¿à R¦Ä _ ñIV
ŸE$Su8T
­rIYOU ‚¿à R¦Ä Œ ñIY
EGLS˜:#
d êëS _Ódžl R åRK ð ñJN
@@=%‹4J
vG Þ™Y aG‹}L R¦Ä KY ñJS
¢CK"pD*
AkR g“™ R¦Ä § ñJX
¡KG>s@
ÞC Ðà ÔÉÐåL R¦Ä ç ñKI
8H4K|XM
dŠM “ÿ ÔÉÐåL R¦Ä ç ñLB
8HAP},9
S§^ ÃËD  ñLG
8B)=|;6
´EáYwN ‚¿à R¦Ä § ñLH
¢KE+r='
Þ€M-€~ƒ› R¦Ä ¬ ñŸ
žDD@vWQ
½LPH· ÀžˆS ÔÉÐåL R¦Ä t ñLR
9?'A}C.
S§^ ÃËD _ ñMD
¡G&Bs'(
Î…ºâ R¦Ä NJ ñMQ
§FC@hF+
½÷c R¦Ä SC ñõ
£?YHn3G
´‡fR R¦Ä µ ñx
¨G5!f<4
ÞîüAH ¡ù_ ‚¿à R¦Ä ú ñNH
žA(+v*W
’¾eN ÃËD t ñNK
<>G7‚VV
ïAW›E aG‹}L R¦Ä OK ñNL
:A3:~V@
ÕŠE ‚¿à R¦Ä x ñOP
¤A,,m54
À¯ó·G ÚWÑN …Õžl R¦Ä SC ñå
¢@TWoW5
SŒP¦OŽ _Ódžl RåRK Š ñPB
FKL.˜QI
ø–K ÅœS R¦Ä-CLYh ¢E ÃËD SD ñPF
>J:O…LY
lÄ °—fD R¦Ä » ñPG
¡9KTpCC
ÀžˆÅœ R¦Ä “ ñPH
›>Y{6?
À`gH ‘RK ÔÉÐåL R¦Ä/WsD¹¥E ÃËD { ñPK
AF&HF"
Ài„R ÔÉÐåL R¦Ä ç ñPW
8I'V}*(
­LkR ÀžˆS R¦Ä NV ñPZ
DE6)•-"
°—‡ÙE ‚¿à R¦Ä - êŽPH H vßŠF ÃËD ¬ ñQI
žGJ>wF7
UP¨R Òmc“™ aG‹}L R¦Ä ú ñRB
 B!3s=Q
Ž] ÔÉÐåL R¦Ä  ñRC
œA*DyJ-
Ž§£€ ÔÉÐåL R¦Ä OK ña
9A.;~F=
ïËL “ÿ ÔÉÐåL R¦Ä ’ ñSQ
œKISyU-
dEk¾ ¦_T ÔÉÐåL R¦Ä ’ ñf
žJ>Iw=O
³Š³ M B×` R¦Ä õ ñTF
ž?7YvPU
dc‰ˆ ÔÉÐåL R¦Ä ‚ ñTK
>FBO…-P
’^Ý ÃËD » ñUA
£9(Tn+.
dƒUD ÔÉÐåL R¦Ä OK ñUD
9AM5~E3
ÚŠ ‚¿à ´c×“™ R¦Ä ’ ñUE
 JPCu7/
ƒŽÜD ­OUX ªIãL R¦Ä SD ñUO
<I-=‚Q@
Œ¨ ý aG‹}L Jâ¦Ä / ¹’E F•NK‰N ÃËD R¦Ä x ñ{
¤?UKl"<
ž´D I áˆ …Õžl R¦Ä ’ ñUW
œLG1z#H
½ÞN±œE ÔÉÐåL R¦Ä Œ ñk
DF4?–@5
db‡±œE aG‹}L R¦Ä x ñVH
£AKUnW,
ïc”N ÔÉÐåL R¦Ä t ñ’
9?C9~A(
ŽÂù ÔÉÐåL R¦Ä › ñWT
:FQS$?
Akˆc ÃËD t ñWW
<>:!‚:
­OUX ‚¿à aG‹}L R¦Ä ç ñXK
9HY'~'G
½M…º±œE R¦Ä WV ñXL
£D+TnR-
ÞA ƒÞ ƒ{E 66 R¦Ä ö ñXU
>@V"†DA
´éi› ‚¿à ÔÉÐåL R¦Ä ñ ñYF
=EKFƒML
á”R ÃËD / ïËÏ±œE ÔÉÐåL R¦Ä ú ñYI
ŸA?Bt8?
ÕajÁ-ƒÂN ‚¿à CLYh A. ^O”S aG‹}L R¦Ä KY ñYM
¢D*TqA-
d`eN RÃËD ô ñYN
›J:>{
SYLkdc R¦Ä w ñYV
¡=?=qSK
ÞA ¤UZ g“™ R¦Ä Œ ñZN
C@!B•TU
ÞA åÇA R¦Ä Œ ñZP
C@2P•!F
Þ™¦_T R¦Ä Ù ñZT
EN/X’?B
ƒÄ ­øé R¦Ä ú ñZY
žA*(v;T
¨R× dOÿS R¦Ä ‚ K¯D
>C-@†2:
¯¿eN ÔÉÐåL K_G ÃËD ” K¯N
©GR:e
¯YŸR±œE ÔÉÐåL R¦Ä ¬ K¯Z
žE>!w1F
db‡áƒ ÜœO´ ‚¿à R¦Ä w KTBR
¢>:XoJ+
ª–Y ÔÉÐåL R¦Ä Œ KT]
DCG2—8=
•€I¸ aG‹}L R¦Ä b ¨º[ ‚¿à x KTDF
¤B/$lY!
† ŒRLÎN …Õžl ÃËD Î{H €’S ‚¿à R¦Ä Â KTÚ
FL:D˜N4
ªÁE’™ R¦Ä t KTDW
<A(*ƒO@
e€Ú EXEÒk R¦Ä ò KTDZ
¢G?Tq:V
¨R× ‚¿à ÔÉÐåL R¦Ä _ KfL
ŸD"tG9
”ÎN JE²ß ÃËD § KfW
¢H?Wr76
_û‡ÙE aG‹}L R¦Ä t KTFP
:9TM*G
GIBÎN ‚¿à R¦Ä ú KTGC
žAUWvPV
¯ˆèR g“™ R¦Ä î KTGI
¦CO<iYR
©œA¹” aG‹}L R¦Ä ’œçM £ÄjÖ ÃËD ú K^A
 A4Nt,M
^OÈÎN FlLS R¦Ä ÷ K^M
DM@7‘.R
YŠK R¦Ä å K^V
¦EUjR5
^O”S ‚¿à R¦Ä › KF
<GWL‚@+
•OÇ }[l A±b‹N „c - F•NK Ë‰OT ÃËD ¬ KP
ŸF/Cv&?
ª–Y ÔÉÐåL R¦Ä ô KTKC
9J,W}B8
˜K_›Y }[l R¦Ä t KTKI
9?(F~A8
”NKbO R¦Ä ñ KTKO
;EN0€+,
e”¡WK aG‹}L R¦Ä ’ KTKV
žK:'wN3
ÿüâT …Õžl R¦Ä Õ KTKX
B+?x *
…äŠD ÃËD Œ KšR
CB'5•1@
jN× FT MYcS R¦Ä w KT”
¡=7Jq;1
¹¥eN EXEÒk R¦Ä t KT…
9;N8}SR
œÝsK R¦Ä Š KTMK
FK7$™NP
A¥N R¦Ä NV KT÷
CE:"“)Q
T²YÉ› åLõ R¦Ä Œ KúP
B@& ‘VP
Ûh ‚œèR ªÉˆ `D ª`­[ R¦Ä » KúT
¢7QHnSO
›WeN ÔÉÐåL R¦Ä ç KúU
›GF:{0
e£åH fd •ˆE R¦Ä NV KúX
CCMV’LR
ZÝ¨žÉ ÃËD Œ KeA
B?N*”26
ÚD³ „c R¦Ä ô KeB
›J#zOS
eC‚A R¦Ä - R.G. €e·›AU ÃËD w KeC
¡@ADq/K
eRžˆeN ÔÉÐåL R¦Ä WY KeR
>H!R†')
¨fR O KÉ¸T R¦Ä » KTPF
¡9TVp8W
fKÝAH ÔÉÐåL R¦Ä › KTQE
9GKO~(F
¯H€ÆAH ÔÉÐåL R¦Ä OK KTQH
8AUJ}.
S‚ß Ðà ÔÉÐåL R¦Ä ñ KTQK
<D:9‚S$
fRaœ ÔÉÐåL R¦Ä t KªL
9>H?~.!
ªieN ÔÉÐåL R¦Ä Õ KªX
›F#{A8
ŒRƒœ ‚¿à-eLÎN R¦Ä ò KTÎ
¤F?Io"E
f¡´Aæ ÔÉÐåL R¦Ä Œ KTÀ
CA&$”82
•€I¸ EXEÒk Jâ¦Ä x KßA
¤AAm$!
Òdc R¦Ä § KßF
¢GV6q8#
Œá| …Õžl R¦Ä Õ KTVB
œC%Wz# 
^O”S±œE aG‹}L R¦Ä w KT±
¡<T$qRS
„c±œE ÔÉÐåL R¦Ä ç KTVK
›FG zT"
±~SÜþ ¯œÇAH aG‹}L R¦Ä “ KTVR
œ>3$yF
á‰™c ÃËD eOËE îœé R¦Ä { KTVY
BFBJŽ3"
ž´D B jL³ÎN R¦Ä ô KTWM
M WyJH
d·Gg ÔÉÐåL R¦Ä KY KTWT
ŸC>9uW$
§D îœé R¦Ä t KtW
:8(EX5
¯YŸR R¦Ä ð KàL
@@9(Œ$T
_`A¦‰S EXEÒk R¦Ä _ KàQ
 FQt-#
áLeN ÃËD ò KTZR
¢ET"q&+
œE z› ÔÉÐåL R¦Ä ç KTZT
œGRJz/#
eÈK_S±œE ÕNƒE ‚¿à R¦Ä KY KTZV
 BIJsE'
Òmc“™ ÔÉÐåL R¦Ä ’ KU
œK<3yXN
‚LØÜS ŸW™‡ ‚¿à R¦Ä õ KUBS
ž?9Uv4O
Òã ÔÉÐåL R¦Ä Õ KUBX
œD"&y7J
›W Œd€ ÔÉÐåL R¦Ä å KUCP
¤G=n6N
Ekaß-dEÂÄ aG‹}L R¦Ä ú KU]
žB4TvY%
RÔÛ Ó›S R¦Ä Œ KUDD
B?JU’.<
ÛR‰ˆeN ‚¿à R¦Ä SC KUDG
¤@8XmS6
ÂUÿïA ‚¿à R¦Ä ’ KU‡
ŸI :v,,
ÂUÿwN }[l R¦Ä ¬ KUGN
ŸH72uR"
Æ¬“Y{E R¦Ä Â KU¬
FMV*š?M
’LÿS ‚¿à R¦Ä x KUKF
£B+4o#T
‚äé ‚¿à R¦Ä ñ KUKL
9D0'}I<
ÆíceWN R¦Ä å KUKT
§F8%i4U
›W ÇM ÔÉÐåL R¦Ä ô KÇM
8J1)|<&
ÇY«‡ R¦Ä ñ KÇS
<CB,ƒ48
_`A¦‰S …ªO¦‰¯N R¦Ä _ KØP
 EV%t H
ò‹ ¿Ikº—Y R¦Ä ò K¿I
£E*Ip+L
²d z¾ aG‹}L R¦Ä Õ K¿O
œBRHyT(
ÚD³ ‚¿à R¦Ä ’ K¿U
ŸI7BvH*
F•NK‰N ‚¿à R¦Ä ú KUOS
 A*/sSW
FÇeN ‚¿à R¦Ä ò K¥E
¢GBBr%D
áGGS ÃËD WV K¥W
£DO8o2V
©ÉŒ ÔÉÐåL R¦Ä õ K{A
@G$x2R
›W¦Ä dbE R¦Ä ž KUUU
©G=We.S
½œIîN aG‹}L R¦Ä Õ KUUV
œD,y'Q
wÖc ÃËD t KUî
;;*GJC
›W Œd€-jN× ‚¿à ÔÉÐåL R¦Ä _ KUWL
¡ER?s1A
Î{H“™ ÃËD “ KUXL
›<%S{4@
”ÎN ‚¿à R¦Ä ò KUYF
¢EUXq9I
ƒ~ Åœ - YŠK ‚¿à R¦Ä SC KUZA
£@Y.o!8
Î{H JcŽY aG‹}L R¦Ä NJ KîY
§EV@hPK
[±œE ÔÉÐåL-ŸUgE M ^Ái ÃËD  KVBT
8B2K|+'
BžD³ÂfR R åRK î KVBW
¥D4lWC
N{ ª¼ R¦Ä Œ KVCB
DD4B—WI
Î{jÖ Œ‰‘Öç ŸGgCS R¦Ä Œ KVCV
B@AQ“4Y
¯ÈA EXEÒk R¦Ä » KVDF
¡:Pp2I
±Û‰A aG‹}L R¦Ä w KV
¢>)@p4.
J‡Ž ±cfL …Õžl R¦Ä Õ KkR
›DVNzFX
ÛRÿ ‚¿à R¦Ä ò KkS
¡F*.r=U
¡§LeN ÔÉÐåL R¦Ä q KVGC
§HPDi?G
ÒLº[ ‚¿à R¦Ä t KVë
>=!:†M 
ƒœA }[l R¦Ä Õ K±H
œD%EyL(
›¬LS±œE ÔÉÐåL R¦Ä ’ K±Q
J?;x<J
±þ_ç Å¸“™S R¦Ä î KVJI
¢BG,p 
±~SÜþ ÔÉÐåL R¦Ä õ KVñ
œ>,3xUH
¦e”C RÃËD MD KVKX
¦DJQjW8
î™lç ÔÉÐåL R¦Ä ¬ KV“
žDY;w'X
Oí“™ ªOY R¦Ä § KVœ
¢H>@q(F
¡ƒLD Û±DÎN ÃËD SD KVMR
:HKU~V!
kÉ„ ÔÉÐåL R¦Ä » KVx
¡9",p89
îN ²Ä ‚¿à R¦Ä ò KVn
¡FQSrB@
ŒÄcS±œE R¦Ä w KVPC
 @%5rPU
¡Ä›« dbE R¦Ä VT KVSF
©I2Cf= 
›ÂRK jbH R¦Ä ò KV¯
£F;p9H
±[ kf•¾ …Õžl RåRK ç KV
œH+$z?
d`LY ‚¿à R¦Ä x KVUJ
£A7n'!
¨ÎN ÃËD Â KVUO
EKC,˜E4
êŽPH A. ¡ùY ‚üËLS±œE R¦Ä å KVVS
¤EWEmE:
ŠeN±œE ÔÉÐåL R¦Ä/”Ä_ÎN ÃËD ô KVVV
9K03~7:
ÂrgH ÔÉÐåL R¦Ä ô KVWU
8N'-|=
¬‰£g îœé aG‹}L R¦Ä ÂLfR A Óx` ÃËD ¬ KVYS
žG3%w')
ÂœOPS »I¸T F–¬—Y R¦Ä î KÂL
¦CV9i9J
y¼› ‚¿à R¦Ä å KÂY
¤ET"n%Q
’LÿS ãRa WYO§ˆ îœé R¦Ä å KWBW
§G/PiQ"
iÙ WsDžˆ aG‹}L R¦Ä OK KWDG
:B4KM:
ãRƒW ‚¿à R¦Ä w KWDR
¡?XXqF!
åRÿR ‚¿à R¦Ä t K²A
:>JMFW
°—E”N R¦Ä Œ K°P
B@-?”6M
dƒ^c ÃËD ñ KWLD
:C(% -
’œÑS ûiN ‚¿à R¦Ä Œ KWLW
DE<Y˜+#
ÂTÎN±œE ÔÉÐåL R¦Ä Œ KW±
DBV'—M6
ÂfR±œE ƒÄ “»E· R¦Ä … KWVL
ªJ>cF>
BžD³¦Ä ÔÉÐåL R¦Ä t KXBP
:?(=OH
l€ÑN Æ¼N Ðà ÔÉÐåL R¦Ä å KXœ
§F@*i;*
`DaW O^|E …Õžl R¦Ä ö KXÉ
@A!DŠV-
£ÄH R ‘R„ AUX¬“× RÃËD SC KX£
£?B@o#
Ô­C Ðà EXEÒk R¦Ä ú KXNX
 B4<t6<
¯På¡üO~-‡ŽX ‚¿à R¦Ä î KXÞ
¦CQAjSE
Ÿˆ±œE ÔÉÐåL R¦Ä ô KXVG
›LY7|*,
¡xO~ ‚¿à-ƒN €’S ÃËD KY KY8
ŸCW*tQ8
ËK_ ÔÉÐåL R¦Ä x KZEF
£B.NnM(
S´UYLK¬L ‚¿à êE ZcY R¦Ä å KZc
¦FH5j45
ZEPHYRÅœS ÔÉÐåL R¦Ä » KZPH
¡:+Hp'3
ƒÞÕ™ rYåRK R¦Ä Œ L00
B@R-”*>
¹LT±œE R¦Ä Œ L04
A>P7‘.
ÿÖ îœé R¦Ä Œ L05
CAIG”7)
F·}„ ¤¼K R¦Ä Œ L06
BB9P’RR
áRaì îœé R¦Ä Œ L08
B?->’1.
dOkæ¨ ²œS R¦Ä Œ L09
CBB-“'>
¯FT ÿÖ ‚¿à R¦Ä Œ L17
CA&;•81
FlLBƒOK ‚MÔÉà RåRK Œ L18
B?3-“-"
ÂS‚ ÿÖ ‚¿à R¦Ä Œ L19
CAC)•3,
‚l ¤¼K R¦Ä í L20
G_0G­&$
YUCŒ îœé R¦Ä Œ L22
B@%M’69
åH{E …Þ ºªIP NV L23
BC$&’0L
¨„ ýR× R¦Ä ð L25
BB#C L
jÀcç R¦Ä Œ L26
B@4D“0X
d. ¯M”q aG‹}L R¦Ä “ L31
<8HwY2
ê›S±œE R¦Ä “ L32
œ=C+yP"
f¾® åžï R¦Ä “ L33
œ=XEy,8
vG  Ðà R¦Ä Œ L35
B@-P’Q4
žO ‰™A R¦Ä Œ L36
DDF<—8H
y`D Œq[ ŒkÖS R¦Ä ð L37
AA=D,Q
€‡±œE R¦Ä “ L39
›=(%{2?
”RøE Œq[ R¦Ä ð L41
ABNKDO
Õ¿D±œE R¦Ä l L44
ž>X$uD8
O„`O ‚¿à R¦Ä Œ L52
CA$#–C1
Ÿ RåRK Œ L53
DD#!—0X
AGUA Œ‰if R¦Ä Œ L54
B>W’/A
ïOï[E R¦Ä Œ L61
BAX%’.&
ËK ÅœS Üß[’œÑ R¦Ä Œ L62
CA3(•:J
¨RžS îœé R¦Ä Œ L65
B?KE“+#
¦œO~ ÔÉÐåL R¦Ä “ L66
›=:Ez9F
AGUA ÓL„ RåRK Œ L70
B@<+”0M
Œ‰‘Öç Ðà ÔÉÐåL R¦Ä Œ L71
BA'"”
ª[A R¦Ä Œ L72
BANK“1C
¦Î ÿÖ ‚¿à R¦Ä Œ L73
CAAN•%G
´Êç‚ ½M§T R¦Ä Œ L77
B?ES‘HE
J–Øã R¦Ä Œ L78
B>BX’'T
^IáÛUX ÔÉÐåL R¦Ä “ L83
œ;JRxOX
›W ÒYÝA R¦Ä Œ L88
C@V-•G/
O‚œO R¦Ä Œ L90
B?&K’%M
lÝO “™_G ÃËD NV L92
BC3K‘)D
Õ¿¯_ îœé R¦Ä Œ L94
CA$"”75
ý‰Ð`A RåRK “ “3
œ<N:y*N
€FT ‚Ç¼ R¦Ä ÷ LC0
AMS&‹4
Ÿd žkR 1 R¦Ä í LSR
=_5TÅ("
³›•L h’ß ÀN R¦Ä ú M01
A*!x!,
~ÎN ‚¿à ÔÉÐåL R¦Ä ú M02
ŸB%Gu7M
‚±ˆeN ÔÉÐåL R¦Ä ú M04
AAwA,
ŒÌ^cS±œE …Õžl R¦Ä Õ M05
B('wFA
’œçM L. °—EH·d ÃËD ú M08
žA*Rw B
Õ¿¯_R ÔÉÐåL R¦Ä ö M10
?@>ˆ+8
‚æAH ‚¿à R¦Ä õ M11
=T%x4
d¼€ ÔÉÐåL R¦Ä Õ M12
B#KwQN
¦z±œE ¨L žkR ‚¿à R¦Ä õ M13
<M(w<.
JÝ‡ ©~c ¨R× ‚¿à R¦Ä ú M15
žAAFuRB
á‰îR ÔÉÐåL R¦Ä Õ M17
›CAL{2R
¹¨ ÔÉÐåL R¦Ä  M18
8?I*{E>
›W¦Ä aG‹}L R¦Ä  M19
œAD.y(A
yAYÎN ‚¿à R¦Ä KY M20
 C5Xt-C
ÔH€ócG ‚¿à R¦Ä KY M21
ŸC+?u'7
vœ PU¸ ÃËD l M22
ž@8FuHI
JÝ‡ H ¶ÎM ÃËD õ M23
>0Iw&&
h` yIä_ …Õžl R¦Ä õ M24
<PBw'A
”YÃËD yAkS ‚¿à R¦Ä KY M25
žBL'vA#
DÌMÕ™ R¦Ä ÷ M26
CLC0*$
ÂLDƒN ÔÉÐåL R¦Ä  M27
8@R@|$?
§D ‚_iT R¦Ä Õ M28
B+<wIF
¡«ËL ÃËD ú M29
žA5uX#
…ªO¦‰S ÔÉÐåL R¦Ä ¬ M30
žC(WvK 
£LD ÃËD ú M31
AT*w5P
“ÿ ±œA³ ÔÉÐåL R¦Ä  M32
œ?2Ly0W
ÿU~Y ÛM dbE åRK R¦Ä KY M34
žCAv/X
F•NK ýhaR …Õžl R¦Ä  M36
œ@ROy(A
Ì€±œE DaW R¦Ä õ M37
?LAx=<
¡ZË y¼N R¦Ä l M38
Ÿ@TXtDO
ÕNƒE ‚¿à R¦Ä õ M40
ž?R7v;5
¹œY ÀžˆS ”º¡œ ‚¿à R¦Ä õ M41
@N-w=.
Ì«çN »b R¦Ä ÷ M42
BLI:Œ7"
 i« JEäcÎN Û±S ‚¿à R¦Ä õ M43
=AIwT6
¹¥eN ÔÉÐåL R¦Ä õ M44
ž?S(w6
læ› ‚¿à R¦Ä Œ M45
DDJ#•L
‚LdžP R¦Ä ÷ M46
@KQ(ˆH>
¹¥eN …Õžl R¦Ä Õ M48
œC1NyX6
áD”N R¦Ä Š M50
EKNS•O.
OKB¡ R¦Ä õ M51
ž?;QvFS
HØáLDT ÔÉÐåL R¦Ä ú M53
žAN&vR<
€ã£N ÔÉÐåL R¦Ä ú M54
 B)7t0W
“”R ‚¿à R¦Ä l M55
ž?PNv$V
ž´eN ¨R× ‚¿à R¦Ä õ M59
=1!vV$
WsDÌä ‚¿à R¦Ä  M60
œA.1y.)
†Âù F êëÎN R¦Ä § M61
 L2IuM1
JiK_ÎN R¦Ä ñ M64
<C3K‚:3
lFaD S´ƒ†c ÃËD ñ M66
:D29*P
¦Œ¹® ÔÉÐåL R¦Ä  M70
œB,JxW1
y¼¾ÃËD R¦Ä Õ M71
DT$xWC
›W lãq ¿‹N ‚¿à R¦Ä õ M72
ž@>Vw:
lMY• ÔÉÐåL R¦Ä  M73
œ@6Jy9Y
ãLD K£B ÔÉÐåL R¦Ä  M74
œA0y?9
”L¯ R¦Ä ÷ M75
AN4‰U&
¹Âù ‚¿à R¦Ä  M77
8?YN{P/
”LkÖ ÔÉÐåL R¦Ä  M78
›@2zKG
êë H ¹Oñ JR …Õžl R¦Ä “ M79
œ>;&yL3
S‚ß R¦Ä “ M80
œ>6Yy&V
˜´i ÃËD õ M83
ž?A vF
GÙE[ …Õžl R¦Ä Õ M85
B8DwT,
ÂœE ÃËD § M86
 H:-t%D
’œçM ƒÄ êëd[ ÔÉÐåL R¦Ä Œ M90
CBK=–4.
ÀžˆÃËD ƒÄÎN ‚¿à R¦Ä ú M91
ŸB>*tU.
¹¥eN ‚¿à R¦Ä ú M93
žB0MuTP
hŽÄ a aG‹}L R¦Ä Â M94
ELG-•U.
ž´D ^· ÃËD l M95
ž?H?uNU
ïÁY “› R¦Ä § M99
¢I!Fr>T
”«é AcODƒ… MD MD1
¦E/WiMX
Òšc aG‹}L R¦Ä … …2
ªJFNa-R
ãNñ R¦Ä … …5
ªJ'Ub7F
Â€S R¦Ä … …6
ªJ(:d&
h[ Fõ R¦Ä § §1
¡IK1rN<
“¦_T ŽAz`E ãŽ § §4
£L 7qG;
ž´“™ ÔÉÐåL R¦Ä Õ Õ1
›CR<z6=
»Y_G ãR H •xH R¦Ä Õ Õ2
›C(={%J
dO~eN ÔÉÐåL R¦Ä Õ Õ3
8CEC{O
áœ_³R-¤®S …Õžl R¦Ä Õ Õ5
œC7y8
£ÄH „•L §«O·I aG‹}L R¦Ä Õ Õ8
›EL*{L
K_GS€Y RÃËD Õ Õ9
8C+M{UO
ÕŽS ¦_T R¦Ä í ÕS
@^GEÀ!E
¶û‡ žD³ R¦Ä õ õ9
@MMwTN
K£X žD³ R¦Ä ÷ ÷3
AMCŠPS
…ªO ÃËD í ÷F
F^N6±KI
‚Ä“™ ‚¿à ´®E ÃËD q N03
§HA?j*T
¡~âTdÑN R¦Ä NJ N05
§FO*hQ1
“·Ë R¦Ä h N06
¦D>>iAF
‰x|N åRK R¦Ä NJ N07
§FVQh0R
»`AwN ÃËD x N08
¥A?6k?D
“ÿWsD R¦Ä NJ N12
§F"h(F
øsõÜþ ÔÉÐåL R¦Ä å N13
¦FYRj8%
»Y_G W R¦Ä NJ N14
§EV!hN8
K_Gd[ R¦Ä NV N15
CE*'“"3
„a RåRK å N16
¦FNEkE;
îU¸N ÔÉÐåL R¦Ä ö N17
>@B.‡)=
ðfC ÔÉÐåL R¦Ä ö N19
@BP+ŠJ
rY ”£R R¦Ä x N22
¥@IkA>
­D›Y ÔÉÐåL R¦Ä q N23
§H0'i6X
Æ‡¯ ÔÉÐåL NR 2 R¦Ä ö N24
>BN‡AS
øUE jƒN R¦Ä q N25
¨HGPh)Y
hRÏ AcODƒ… x N26
¤A&mCS
B•D‘ù ‚¿à R¦Ä å N27
¦GJ6j8P
”GÛ€} R¦Ä ö N29
?@#E‰/O
´c× žD³ R¦Ä å N30
§G<Ui-#
P¿X½¯W›Y ÔÉÐåL R¦Ä å N35
¥FXlUN
Õ¢ËŸ R¦Ä q N37
§GC3hH#
y`D Œq[ aG‹}L R¦Ä å N38
¦GIFk5M
rY ”£R R¦Ä NJ N40
§F?YhXI
ÂfRÜ× R¦Ä µ N41
¨GCWg S
ïIP¨¾Üþ R¦Ä å N42
¦F!+k9H
B•hN RåRK å N43
§FJ>i,@
KOLT R¦Ä q N45
¨GCFh& 
¦ßdÑN ÔÉÐåL R¦Ä å N47
§F-CiF-
ƒŽ ÆTZ •xH R¦Ä NV N49
DE2Y•:8
‰ ŒLZI R¦Ä NJ N50
§E6<i,,
ÎLþ/H¿fù[ R¦Ä NJ N51
§FAhJ(
JAS eW¾iD R¦Ä x N52
£@QPnJS
y¶T îœé R¦Ä q N56
¥H*0lDP
›W wùi R¦Ä å N57
¦EOPiL)
³R ÃËD NV N58
DE?A•,:
ƒÞS´I R åRK NV N59
CDP4•2/
Å¾¡W (y¼}¤‡) R¦Ä x N61
¤AR7m=E
…ÁÑ BƒOK ÃËD x N63
¤B0#n&T
lÄ S }hR aG‹}L R¦Ä q N66
§H=;i!R
F•NK‰N ‚¿à aG‹}L R¦Ä å N68
¦EX5kDB
Ú›wL ÀžˆS RåRK å N71
¦F#>j@:
ÂR’~ ÔÉÐåL R¦Ä q N72
§G/-h/,
¨üS Œk R¦Ä å N74
¦FS7kB'
£ÄHØR“™ ‚¿à R¦Ä å N79
¦FP+j?'
¡MÕ[ ÔÉÐåL R¦Ä NJ N81
§EF!hK:
W·TSáƒ-½œIîN ‚¿à R¦Ä q N82
§GASh9@
DS Üšc FM `D RÃËD x N83
¤B)Hn1
lEX`DžA ÃËD R¦Ä NJ N85
§FA-i$
À`gH ÀžˆS R¦Ä NV N86
DEF•I5
ªieN ƒBv¾±œE R¦Ä NJ N87
§F*PhB$
ÿ~S R¦Ä x N88
¤AUAmCE
êŽPH Y aSÉ~ R¦Ä q N89
§GIJh4C
“›YS R¦Ä x N92
£A@9o% 
ŒR‰S€ R¦Ä å N94
¦F).k(9
œE‘E R¦Ä å N96
¦FS&kNY
ÅbT R¦Ä x N97
¤AONn$@
áY› Ðà ÔÉÐåL R¦Ä § N98
¢K*<rY7
¯YŸº±œE R¦Ä x x2
£AUQo)N
ÉÉL´IK R¦Ä í ÉN
DZ+µA2
FÇeN ‚¿à R¦Ä q q0
¨HYTh1M
K‰› K¬L R¦Ä q q1
¨H3gD,
›R±£ R¦Ä Œ O02
DEO%–3)
Õþ`eWN R¦Ä å O03
¦F'9iR'
ƒ³º ÃËD Œ O05
DF.W—,:
‚L¥A ‚¿à R¦Ä Œ O08
DE(J—YA
ƒ¿D îœé R¦Ä Œ O09
DEM7™-X
¡DÚ~ ÃËD OK O13
;A* SR
›¬'S rY •xH R¦Ä OK O14
:@S9YT
©RŸ~ ÔÉÐåL R¦Ä Œ O15
CC;-–GO
wRR±œE R¦Ä Œ O16
DF#(™NP
ÜZZDS ƒOd R¦Ä OK O18
9B&D}7"
K›Ë`D R¦Ä Œ O19
EFI%™UD
K_GÚN RåRK Œ O20
DD#<—3>
¹Oå R¦Ä Œ O21
EG @™F#
‚LØvA R¦Ä Œ O22
DDO–6T
€E ±Éˆ R¦Ä Œ O24
CCW<•$7
Ÿ› æ›/hbH îœé R¦Ä Œ O26
CBA0”!%
OíÛ€ R¦Ä Œ O27
DCK5–N
ËLS ÃËD ’œ—S ÔÉÐåL R¦Ä Œ O28
DE9#™42
æßSÜþ “™_G R¦Ä Š O29
DKCM’:<
a†€Y ÔÉÐåL R¦Ä Œ O32
CBEY•9
ÞÕA ÃËD R¦Ä Œ O33
EFLRš*I
¹œg ÔÉÐåL R¦Ä OK O35
;@H1T=
¡I¸ ÃËD Œ O37
DEI.˜&O
G¿DYS R¦Ä OK O38
9B.}M
•k™lE R¦Ä Œ O39
DFN+–3X
ÂßS WsD“™ R¦Ä Œ O41
DDF8—R1
WsD“ÿ R¦Ä Œ O42
CB5V•$7
Yc_GeN ÔÉÐåL R¦Ä NV O43
CE-•';
˜ŒS‰N R¦Ä OK O44
:A#>2)
¹OÿR ÔÉÐåL R¦Ä OK O45
<BQ8ƒ+C
²† R¦Ä Œ O46
EG:Q˜9/
 AGUE ÔÉÐåL R¦Ä OK O47
9A:V~I%
ÞLÕN ãR R¦Ä Š O48
DKQC’MR
½ßc ‚¿à R¦Ä Œ O52
DE%7—B0
…D‘ù ÔÉÐåL R¦Ä OK O53
:BM8JV
Ÿüè ¦| ÃËD ²AkR±œE R¦Ä Œ O54
EFJK˜U1
Î{¡ù ÃËD Œ O55
DG&5—%8
B×`T ÃËD Œ O57
CD-P•+4
„ÛR±œE R¦Ä Œ O59
DG?(–'X
CŸkùlE ÔÉÐåL R¦Ä Œ O60
DDL@˜YA
¨A±› R¦Ä Š O62
DKI9“"E
´žd”N RÃËD OK O65
:B$K€0=
SLU¢E ¤¼K R¦Ä Š O68
DK8Q’A$
¨¯LØA ÔÉÐåL R¦Ä Œ O69
DD-:˜B4
Ë‰OßS “™_G R¦Ä ò O74
¢F=;q<H
­c•±œE hÂfR R¦Ä Œ O79
DE@R–3,
©€“ÿ ÔÉÐåL R¦Ä Œ O81
DGS-—3>
[ ÃËD Œ O85
DF@<˜6;
ª_—Y „c R¦Ä Œ O86
EFY˜GD
žO ±dA ÔÉÐåL R¦Ä Œ O88
DD)B—H,
FlL žkR §œS R¦Ä Œ O89
DG&—7Y
d¶R”¾ ƒOd R¦Ä OK OK1
8B;0}&7
ÓG ãR R¦Ä Š Š8
DKN3’G1
Ÿù »b R¦Ä Š Š9
DKEY’C$
¦Ä ‰[S R¦Ä í ŠI
DWS$¶PR
c¢ ”RÒS ÔÉÐåL R¦Ä ð P01
A>9)ŽQG
‚´gE ‚œE³ R¦Ä ð P03
@=4.‹G6
vSE ÔÉÐåL R¦Ä ð P04
@=3P‹RY
‚|Ù³ ÔÉÐåL R¦Ä ð P08
@>V'7C
“ÿÅœ R¦Ä å P09
¤FH7nO
¦“CŒ R¦Ä ð P10
@AM<Œ75
ÞN ŒRŸS Aå´E R¦Ä ð P13
@?3)ŒF
¹LBƒOK ÔÉÐåL R¦Ä ð P14
@@V9Œ&/
Bƒÿ¾ªAW R¦Ä å P15
¥GOWm3H
y¶fR BaEZEWsD aG‹}L R¦Ä å P17
¥ER9l/R
dË“R RåRK ð P19
A?/VTW
A± ½Æ¬“ R¦Ä ð P20
A@&V.$
Ž‰G”N R¦Ä ð P23
AA2$ŽS+
æX€Y R¦Ä Œ P27
CAWD•0;
emd[E ÔÉÐåL R¦Ä ð P29
@=F.Œ1
‚´gE ‚¿à R¦Ä ð P33
@>,I‹SH
§ä‰ÑN R¦Ä å P34
¦FAVk63
Õ¿T z¶Þ/S‚ßÛ€ R¦Ä å P45
¤F$<m>;
‚ß[WsD R¦Ä ð P52
A@INŽ $
»Y_G M AcODƒ… å P91
§FJ-iH1
JcŽY ïŠE R¦Ä å P96
¦G*7k+@
¦_T ^Oõ[ ºªIP í åÁ
Fd&(°/6
bKA R¦Ä í åí
;R++Ì*4
¦Ä Õœc R¦Ä í ål
AV4¾?F
DžFTWsD ãY R ‘R„ db‹N R¦Ä í åÝ
>SX5ÄQ<
ìLD K_G ¤¼K R¦Ä í å`
F^)T±UL
LUw R¦Ä í åBG
E[(2µ D
Ü~“™ R¦Ä í åø
@_XT¿&V
vG Õ¿¯_ R¦Ä í åBM
CY3J¹-C
h±LS Õ¿¯_ ŸD³ R¦Ä í åBN
G\5Y¬YI
ãÛ§ R¦Ä í åBP
Ed&-±N
ß€S R¦Ä í åBT
D`TPµ=J
Üœi ¦_T ïŠT •ˆE •ÛR db‹N R¦Ä í åÜ
Fd(.°PH
„•L R¦Ä í å„
G_@8®LQ
´UbHãLUK R¦Ä í å´
A[@K½*X
´lKY—­K R¦Ä í åÐ
G`DH­J6
¤sÿD ¤¼K R¦Ä í åCJ
B[R+¼&-
´E‘Öí R¦Ä í å~
?Z&*Â.K
SŒMÕN ãY R¦Ä í åCM
>[PGÃ@=
ÐRC€ Ðà (›W) R¦Ä í å¤
G_OF®"@
Œ¨ Þž´EF R¦Ä í åCS
?TA ÂT3
‚LD‘OT R¦Ä í åCX
Ea-&´*,
YíbAw R¦Ä í å]
GZ"R¬;F
aD ÚG R¦Ä í åDG
?bVÀSV
”º¡œ ÚN H¿fR SR R¦Ä í åDM
@[QQÀ@
ÓäYS ¯kÖ R¦Ä í åDT
G\I;­U.
K[GIw}K R¦Ä í åDY
@YWEÀRR
¼K R¦Ä í å¼
@Z*MÀ E
¶ûE R¦Ä í åEG
H^LG«' 
…Ä±K R¦Ä í åEW
?ZNCÂ;X
N ¤¼K R¦Ä í å»
D\=V·BL
B×`T MY RÃËD í åFR
E[-Y³E)
ÉK| R¦Ä í åFS
C]#¸3C
wLB•—H “ÿ R¦Ä í åGB
Eb:M³;6
K’G¬‰ˆOK R¦Ä í åGG
?YRAÁ(&
ï¿G}K R¦Ä í å¸
B`S/»'I
ìŸ±N R¦Ä í åû
?^? Á7
vG “ÿ R¦Ä í åGQ
E[>#³NM
É¸TÔf R¦Ä í åGT
?Z:'ÂH-
yAY‰ˆ R¦Ä í åGX
A\SI¾!Y
rAGÂY R¦Ä í åGY
IY9C¥1
y`—E Õ¿¯_ R db‹N í åGZ
@_6&¿.R
¹O¨R ãY R¦Ä í åHP
>[=8Ä&O
HU¸‡ R¦Ä í åHU
C` :¸-M
jlY žkR R¦Ä í åHV
E]R ²X(
ïA³LUK R¦Ä í åHX
A\G>½@'
IGIUGIG R¦Ä í åIG
CY18¹T%
h}‰ }[l åRK R¦Ä í å_
E]IW²TG
Â€S R¦Ä í åIW
=_C3Æ#H
´IGÉK R¦Ä í åJC
BV0G¼45
êëd[E ¦_T R¦Ä í åê
FZ:T°A 
K|Iw›K R¦Ä í åJZ
BYIB»->
¯šEK R¦Ä í åKA
FZR/°G7
KOí ÔÉÐåL R¦Ä í åKD
DWN4¶47
FlŽ å« R¦Ä í åKF
@TPQÁ68
íÅOK R¦Ä í åKH
CVV1¸(Y
KIPNUK R¦Ä í åKI
?YUTÂH
KOYUK lFaD ÁÝS R¦Ä í åKK
@^V4¿',
KÇIK “ÿ R¦Ä í åKL
CXXV¹%.
ÉK|rI R db‹N í åKO
=RV<ÆPX
UGNU-KUåÌK R¦Ä í åKU
Dd1Q³AS
Kl¯G R¦Ä í åKV
A^1%¼J=
’LhR/}T’~ œC R¦Ä í åKX
CZ)U¸14
KLUK R¦Ä í åKY
CW?W¸9,
“ºi ãY R¦Ä í åLB
CW>%·XA
KlrAG R¦Ä í åLG
A[>)¾2:
¦Ä lSWŠ^ R¦Ä í åLJ
CZ*$¸1?
¦_T Ÿ›LY ïŠT •ˆE •ÛR ­f RÃËD í åLN
CdTF·,.
læ› ºªIP í åLP
Dd2E´VH
´`Û“R “ÿ R¦Ä í åLR
Ea<.²:Y
©LUñí R¦Ä í åLT
@[#+¾U4
”£KO¯K R¦Ä í åm
AXUU¼T%
§DD€eN g“™ R¦Ä í åMD
FY9°07
§xHØ_A R¦Ä í åMH
D]S(¶0%
d §´AË R¦Ä í åMK
@];6À$B
”N€Y ¹T ÀžˆS R¦Ä í åML
E^Y=´DE
Õ¿¯_ ±œA³ R¦Ä í åÕ
?\#IÁFU
˜ ŒÄHY R¦Ä í åMX
G[8,¬T,
}åKçK R¦Ä í å}
@ZG7¿XJ
£™leN R¦Ä í å£
CYXO¸P2
NÇbO R¦Ä í åNU
A^IK¼"8
›W dUYA¹K R¦Ä í ån
BY9%»48
KOÜK R¦Ä í åOB
B`TJºSO
¦ÄA³ ¤¼K R¦Ä í åOC
BXT5»HP
¹[AH R¦Ä í åò
HX#L¥6B
eñsK ãY R¦Ä í ås
?Z>;Ã#+
›LÎN “ì[ R¦Ä í åOU
AV9¿'B
¨R×±œE R¦Ä í å¨
AUT5½'E
}årçK R¦Ä í åPK
@ZH(¿LG
æŸT ¦_T R¦Ä í åPN
BW@O»@1
¦_T ¹¨ R¦Ä í å¦
=b2VÄMV
 OÀEµ ¤¼K R¦Ä í å 
D`NQ´DD
Æ_¡wK R¦Ä í åQH
@YK0¿PH
Ì«çN §«‹N R¦Ä í åº
@[L<¿1(
ïgH”aF R¦Ä í åï
=`,YÄ#3
Ž“’K R¦Ä í år
@`B½Y(
S€âÔf R¦Ä í åSL
B[H »'X
d ”×'S R¦Ä í åSM
?\!DÁ0%
ŽLÚ±A R¦Ä í åÎ
DY8AµH1
ï¼P Õ¿¯_ R¦Ä í åÀ
F[NI±<7
½M§T R¦Ä í åd
E]1S³%C
r²} R¦Ä í åSW
D[WUµ):
•LPH M ŒL¹¿ …Õžl R¦Ä í å¯
D_(:¶$>
N Ðà Ÿˆ •ˆE •ÛR db‹N R¦Ä í åTC
=_?MÅU1
fœc R¦Ä í åf
=_,7Ä22
eGçK R¦Ä í åTG
AY!(¾5O
¯YŸR Õ¿¯_ R¦Ä í åTM
BZR"»5=
Œ²œ R¦Ä í åTW
E]5:²W4
lí`UK R¦Ä í åUK
?\FXÂI3
ØçT R¦Ä í åØ
Dc4.¶&(
’œÑ R¦Ä í åUO
E[K-´!%
í{` R¦Ä í å{
?T&GÃB.
´EîK R¦Ä í åî
>[>9ÃB 
K_G ‚k R¦Ä í åVC
@U$YÀ-X
k›E R¦Ä í åk
Fa=°3X
KIî‰} R¦Ä í åVL
>aJ"Â?B
AkR R¦Ä í åWB
F`3J±67
°—E Õ¿¯_ R¦Ä í åWM
?^G3Á6M
£bí R¦Ä í åWN
?a?FÀXP
°—c R¦Ä í åWR
EZLD²I)
Â_Wž¸T R db‹N í åWT
@dBP½QN
åXÎN R¦Ä í åXK
F]A¯;V
¦_T ãRƒW Ÿˆ •ˆE •ÛR db‹N ºªIP í Pã
Ae23ºD&
íçK R¦Ä í PFí
@ZT(¿+R
l“Kíâ R¦Ä í PFl
D`?$¶C1
´iEw ãY R¦Ä í PFCB
FZ"E±YG
C“Rñ ¦_T R¦Ä í PFCL
BXP¼=J
ÚN‰N ¤¼K R¦Ä í PF¤
B\T¼,!
ËIM R¦Ä í PýL
@^BSÀ.1
K®IûUK R¦Ä í PFKA
@ZR4À=;
KOK¡£K R¦Ä í PFKK
CY8¸N&
KOšIK R¦Ä í PFKO
?]PÁ=Y
Ba±G §«‹N R¦Ä í PFKT
=_1UÄ:"
KOYUKUK R¦Ä í PFKU
B^R@»IC
K²^LUK R¦Ä í PFKW
@ZM7¿8D
…Ä±K Æ× ƒÁ “™_G džP í PF…
?ZO$Â=&
•ÈT R¦Ä í PFÈ
E_<:´&:
ƒÄ (áB) ÒÄg …Õžl R¦Ä í PF£
@`O"¿&
ïíe|IK R¦Ä í PFï
@^4.¿+8
dEk¾ ±œA³ R¦Ä í PFSV
E`³!7
eK J¿µ‹N R¦Ä í PFe
G]1L¬W,
Î{H }K›K NØR 2 R¦Ä í PFWS
BXH'»2
íç´í R¦Ä í PFZK
@ZTP¿;B
yIä_ ÃËD … PG1
ªJR"bXD
¦Ä yA¡M R¦Ä í PGM
DY2TµON
KAÂI¡åI RÃËD Å PHDH
@3@L¼)O
FaxH Fžwf ïOlS R¦Ä Å PHHF
@5R(Ä/$
°¼€R MY RÃËD Å PHÅ
@3:T¼ +
KlAUåå R¦Ä Å PHLU
@3*FºX8
¦Ä l€N R¦Ä Å PHå
@3SO½B)
B•DïAW MY RÃËD Å PHSF
@1KB¹?,
U¦LU R¦Ä Å PHUP
@2-U¹QB
¦z ÔÉ R¦Ä ÷ ¦1
?N%Y‡'T
ÛHL ¤¼K R¦Ä í ¦DC
B`VBºT0
©N¿í R¦Ä í ¦KA
?Z@)Ã,N
|IKeK ¦_T Ÿˆ •ˆE •ÛR db‹N R¦Ä í ¦‰
Dd;I³S,
¯KOúA R¦Ä í PPµ
B\YBºJ
N¿AæT´UK R¦Ä í PæT
@ZT2À88
lKlI “ÿ dbE R¦Ä Š R03
DI#-•X@
ÂK[Û –H dbE R¦Ä Š R33
EJ5#š#$
ÌjS R¦Ä ò R47
¢G$'r!.
ýR× ‚¿à R¦Ä Â R49
ENI#”E5
ƒ~ ¤¼K R¦Ä ÷ RC0
CLIDE;
aD h±L R¦Ä í ùV
B[M/»3
KA±K džP í RK1
FcFB°T
OPjIM R¦Ä ÷ S00
@NRˆ7
‚N•D R¦Ä ÷ S01
CN(%X@
®H“™ ÔÉÐåL R¦Ä ½ôc åRÿR ÃËD Š S03
EH)7˜ED
‚™[ ¥FS R¦Ä ÷ S04
CM>2I*
ã™[ dbE R¦Ä Š S05
EI#)š6;
¹T ÀžˆS R¦Ä ÷ S09
DMBQBL
“ÿ ´Ë` R¦Ä Â S10
EMQX•VA
lãq ÔÉÐåL R¦Ä Š S12
EJD.™!>
‚å‰S dbE R¦Ä Â S16
FM%;š)$
T’N “ÿS R¦Ä SC S17
¢?DKoR 
‘Rñ R¦Ä Â S18
FMV.š5L
˜‚R§~ ‚¿à R¦Ä SC S19
¢?T;p.
ìLh™lE R¦Ä Â S20
EKOV–PH
½NžkR R¦Ä Š S21
EIRA—9)
‹› ÔÉÐåL R¦Ä Â S23
ENH;“6M
Þ™¥KY ‚¿à aG‹}L R¦Ä ò S24
¢G/Kq ,
ÂT‘ù Ðà ÔÉÐåL R¦Ä ™ S25
>MMK…-,
Klg¨œ Ðà R¦Ä ÷ S27
DN(I0,
_fÖb‹}L ¨–E wùi R¦Ä ™ S28
<NYR‚ A
€ã£N dbE R¦Ä Š S30
EJ=M˜UN
Ÿ¨Z g“™ R¦Ä Â S31
FN; ˜V/
‚O¨ºeWN ÔÉÐåL R¦Ä ™ S32
:M74€$3
”D•S ÔÉÐåL R¦Ä Š S33
EJF+—'0
z¾ R¦Ä ÷ S34
DM:7T8
OK`OwN €G‹N R¦Ä Â S35
EN3I•@#
£R”N yèR ÃËD Â S36
FM2,˜$,
SÕÿeWN R¦Ä å S37
¦F <j*#
 _E±œE R¦Ä Š S39
EJ/+–T,
 O«c R¦Ä Â S40
EL*N•M:
Àžˆc ÔÉÐåL R¦Ä ö S42
>B1R†C$
¡RkY ÃËD Â S43
FMT<˜$0
z¾ ÔÉÐåL R¦Ä ñ S44
<C.‚A 
­€TZ ãY dbE R¦Ä Š S45
FJRCšJ
‚¿ªY SÆÊE RåRK Š S48
EK3.˜.#
§œc …Õžl RåRK Š S49
DIWP“->
AUÜÖ ÔÉÐåL R¦Ä Â S50
FM1F˜+C
`DY ˜ ^ R¦Ä Œ S51
EG<J™YL
…^Ñ îœé dbE R¦Ä Â S52
FN7<–&L
‰BÏ R¦Ä ÷ S59
DN/ ‘;6
d`‘ù R¦Ä/vG³º¯ä ÃËD ÷ S64
BM&PŒ+N
¹…Û€ ÔÉÐåL R¦Ä Ù S66
DIBT’U1
ŠOÃ£ ÔÉÐåL R¦Ä Ù S68
DL;;’.C
‰x|N R¦Ä ÷ S69
CLW.ŽE
O^ËŸ ÔÉÐåL R¦Ä Â S70
ELMH•"J
†wR G OvE R¦Ä ÷ S71
BNA>‹-"
J–K A ÜËL R¦Ä Ù S72
DM1?’@A
KÝçH ÔÉÐåL R¦Ä Ù S73
DL+'’M
åYâf ÔÉÐåL R¦Ä Ù S75
DJ#<’T"
”³E R¦Ä Ù S77
DMP;’-&
EM…ß ÔÉÐåL R¦Ä Ù S78
DIQ’>A
y¼N ŽA R¦Ä SC S79
¤@)(m*
_` ¤¼K ¥ ‘ad ŽR±„ R¦Ä Ù S81
CJKG‘$7
Ksrç ÔÉÐåL R¦Ä Ù S82
DL%X‘XJ
ïOï[E ‚¿à R¦Ä Ù S83
DM>P’)1
‚ß[WsD ÔÉÐåL R¦Ä Ù S84
DL 2’1U
vG rY ÃËD ÷ S85
?N'*†<,
rY ¡RáR R¦Ä Â S86
FMR-—M=
²gc ÔÉÐåL R¦Ä Ù S87
DJ*6’WI
rYKO§ï dbE R¦Ä Â S88
FMHE—22
¤GÕ ÔÉÐåL R¦Ä Ù S89
DL,P’:N
ËK Ðà R¦Ä Ù S90
DKO-‘84
Ãï “ÿ ¥ ‘ad ŽR±„ R¦Ä Ù S92
DL1N‘!M
C€ ËØ ÔÉÐåL R¦Ä Â S93
EM)E–RY
¦Ä OF °—”N Ü­›« R „c R¦Ä Â S94
ELQ=“6P
”Ä_ ÃËD Â S95
EL O”7
`hº[ ÃËD Â S97
EN$0•I.
ïËÏ AUX¬ç× ÃËD [E õ ï1
=*1w(?
d[Y žkR 2 R¦Ä í SRV
B[M5ºA2
N¿Ý IÆA R¦Ä í SXP
?\=,ÂPS
´Ýº ‚¿à R¦Ä t T00
8;L*|EK
©ã Ðà R¦Ä ð T03
AB#:4X
´€S R êëÎN R¦Ä t T05
:8?B83
KÊÏ±œE R¦Ä t T12
8<DK{TO
Ûœ® Î{H ¦Ä R¦Ä t T13
9>:W~G'
¯YŸR R¦Ä t T14
9>W&~#K
”R‰N R¦Ä t T15
:=29~Q%
aŽRk R¦Ä ö T16
@?GEŠPV
ÓîL Fac R¦Ä t T19
;9S€B
ƒ³R M DaYc …Õžl R¦Ä t T20
:;=K9R
lãq ÔÉÐåL R¦Ä t T23
;>I&.!
æ›“™ ÔÉÐåL R¦Ä t T24
8=,{XU
AcO ‡¯fS R¦Ä t T25
9>"T}9&
»Y_G V •xH R¦Ä t T26
9;$<~5V
Œ_ R¦Ä t T28
:?3-83
»Y_G H •xH R¦Ä t T29
:?CV~V9
˜ K_€Y ÃËD t T30
;:O2$>
AcO ‚¿ªY R¦Ä t T31
9?*=~J>
½DhN dOP R¦Ä t T32
:?@3~T0
Œ…ƒN ÔÉÐåL RåRK t T35
:<RL~X.
åÇ æß”N …Õžl R¦Ä õ T36
=&Lx(#
ìLD^Â—E ÔÉÐåL R¦Ä t T37
;=7K€B<
ãR V K R¦Ä t T38
:?4A,B
´c Ðà ÔÉÐåL R¦Ä t T39
;?@V€C%
“ ¦ÄE ÔÉÐåL R¦Ä t T41
9;F'}!Q
Ì^ R¦Ä Œ T42
DF*G™/S
åN¡™€ Œº[ ‚¿à R¦Ä t T45
<A3Hƒ3T
Ãüé ÃËD t T47
9?>$~DX
¦â× »Y_G •xH R¦Ä t T48
9>R#~+'
…}ù ‚¿à R¦Ä t T50
;<UUN>
ÛN ê›S _fÖb‹}L R¦Ä t T51
9< @}F 
“› RåRK t T54
9;=3}LD
M§ß ÔÉÐåL R¦Ä t T55
=@@„15
¶ûE'S ›d ‡¯fS R¦Ä t T56
:><K~UB
Ê[jÁ R¦Ä t T58
:?1T+O
°¼€R ÔÉÐåL R¦Ä t T59
<A9"‚*
d[EÂœ ‚¿à R¦Ä t T60
;?()‚)P
Å~S R ÃËD t T67
:>UP6J
lFaD C 'ÜBã' ^O”S R¦Ä t T69
:: 3>?
ÒcO ÔÉÐåL R¦Ä t T71
:;#.
KÊK R ãŽ SC T73
£@F9nFV
¯YŸR ÔÉÐåL R¦Ä t T74
:<@38B
R¹… …ÁÑS R¦Ä t T76
:?&W;L
‰ÄY ÔÉÐåL R¦Ä t T78
8<"F|GU
rYÂY ”£R R¦Ä t T79
9;?2}1D
vïOP'S “™_G R¦Ä t T80
9?4D~IJ
G¬€Àè ‚¿à R¦Ä t T82
;<,B€T?
YOíØ ÔÉÐåL R¦Ä t T85
:;0N&0
»Y_G C R¦Ä t T87
:?2>.*
‚Ÿ•Ú Ðà R¦Ä t T88
<>:$‚U.
“J—® _fÖb‹}L R¦Ä t T89
=;.G…G+
´Ýº ‚¿à ’üè dÑËL R¦Ä t T90
8;O(|7R
”ÎN ‚¿à R¦Ä t T92
;<IV)!
‘œâT ‰PS‚m ‚¿à R¦Ä t T93
<B89‚%8
T’N-OíS R¦Ä t T94
:;@5€9M
Î{H²d LUBá~ R¦Ä t T96
<?5J„@
¯}¤O« R¦Ä í TSG
G]4:­2(
ï`K N ãNK R¦Ä t t0
9:J6~:#
´®E ÃËD _Ódžl R¦Ä t t2
::3KEI
à[EK R¦Ä í àE
D["Bµ%S
€ÁŠE R¦Ä Ù U00
CJF83)
Ýc¢` FlLS R¦Ä Ù U01
BHMPŽO<
˜ŒR€Y ÃËD Ù U02
BI*?Ž2X
ÜHL ÔÉÐåL R¦Ä Ù U03
CHA<MO
žD~ ÃËD ÷ U05
CL1(00
‚ÿ±œE ÔÉÐåL R¦Ä WY U06
BH KŒWX
ÜœFƒG ã­N R¦Ä { U07
AC>RŒHL
¨RK_S ÃËD NV U08
BB@#8A
 ‡eN R¦Ä Ù U10
BH$7TM
d`‘ù ÃËD Ù U12
BIVKG 
J¿µ‹N R¦Ä { U13
AD-$Ž+6
J. •™Y ˜KÉ¸T ›PÅ ÔÉÐåL R¦Ä { U14
BEJ+R*
fÈ€ ãR R¦Ä ð U30
BB,2$
y¼N žkR ÔÉÐåL R¦Ä { U34
ADWGŒ+C
Íchi ÔÉÐåL R¦Ä Ù U36
BHU.ŽRR
§DÂY R¦Ä Ù U37
BI93ŽN0
Óág ÔÉÐåL R¦Ä Ù U41
BJ'IŽ+,
yA¡M ¥ ‘ad ŽR±„ R¦Ä Ù U45
CIW1‘.5
vG Î{jÖ ÜßE R¦Ä Ù U46
CI7W!2
‚XS ²œ R¦Ä Ù U48
CI+"+E
ãxƒFT ÔÉÐåL R¦Ä Ù U51
BHI-R
AkR ÔÉÐåL R¦Ä { U52
BD+QŽF<
jN×'S “ÿ R¦Ä Ù U53
BJD"2I
ÖD ¥ ‘ad ŽR±„ R¦Ä Ù U54
CJXMJ$
åˆU—´ ÔÉÐåL R¦Ä { U55
ACPIŽ5=
žGÏ JEäcÎN ‚¿à R¦Ä Ù U56
BID=UL
ÚW›Y/HYh …Õžl R¦Ä Ù U58
BH78Ž$@
vG ¤¼K R¦Ä Ù U60
DK&‘11
T’N BžD³S R¦Ä Ù U61
CIVC$C
”~AY R¦Ä Ù U62
CIT-B"
BÌ„ …ÁÑS R¦Ä Ù U63
CJ6V‘1
Õ¢ËŸ R¦Ä { U64
@CUW‹2:
ŒaY R¦Ä Ù U65
CI0<V 
£ÄH vG ¹Ö ‚¿à R¦Ä WY U68
AJTIŠ8C
Ó´‡› ÔÉÐåL R¦Ä { U69
AF)=Œ4R
ŒSŒh R¦Ä Ù U70
DJ;D’X
UP¨R Ÿ[ ¤¼K ¥ ‘ad ŽR±„ R¦Ä Ù U72
CJA:O;
¤‡„ îœé R¦Ä NV U74
CF6W’?M
Õ¿¯_ ¹… ÔÉÐåL R¦Ä Ù U76
CI%S‘IN
l€N H ³Ä R¦Ä Ù U78
BHD<@N
´ÝR“_ ¥FS R¦Ä Ù U79
DK46‘)S
‚LD …ÁÑS ¥ ‘ad ŽR±„ R¦Ä Ù U81
DK/GVJ
‚¿ÐL ÔÉÐåL R¦Ä Ù U82
DJK’8I
Ú}LD D. ‚rI …Õžl R¦Ä Ù U84
DJI>’#:
Œ”S ‚¿à R¦Ä Ù U86
CI2=MS
S§€Y ¤¼K R¦Ä Ù U87
CITJML
wùi îœé R¦Ä Ù U88
DJ"‘UQ
ûi¾ ýR× ÔÉÐåL R¦Ä Ù U89
CHVD‘1O
y®…a R¦Ä Ù U91
CH46‘RL
`fŸ¨ îœé R¦Ä Ù U92
CIFCB)
”G¢ aŽRVOÊ R¦Ä Ù U93
CI.W5H
¡ZËeN ÔÉÐåL R¦Ä Ù U94
CH@A&&
ŒL ø–K …Õžl R¦Ä { U96
AC8%Œ?R
¹² R¦Ä Ù U97
CIQ#!:
ÙA¹ Ðà ¥ ‘ad ŽR±„ R¦Ä Ù U98
DIO7‘PF
“Ù“W ‚R•LS R¦Ä Ù U99
CI +J
²d hŽÄ RåRK { {9
BF,BŽ#=
ïËÜÖE R¦Ä VT VT8
¨J3@g+@
FaEÂY R¦Ä MD W00
¦DV;jL3
e}râ ÔÉÐåL R¦Ä Â W01
ENI<•9V
’LÎN _Ódžl R „c R¦Ä x W03
¥AL+kX)
O„` ïŠ‡ ÔÉÐåL R¦Ä Â W04
FLYXš&?
³ßYSÜþ aG‹}L R¦Ä å W05
¦EP:k.;
Ÿ²R ÕNØi¯L dbE R¦Ä Â W09
EL?”>(
°ÙY R åRK Â W10
FN!˜8/
½œIîN R¦Ä ’ W11
ŸI9vB&
Ÿd žkR R¦Ä Â W12
FNDY–<%
¶ûE'S ›d R¦Ä î W13
¥D"DlVE
ÃºT R ÃËD Â W16
FMR/—YK
•€I¸ ¶d R¦Ä x W17
¥AMRl8+
kƒ} R¦Ä ’ W19
žHY5w<?
ÕŽS “ÿ ÔÉÐåL R¦Ä Â W20
EM&=•,/
UPï· ‚¿à aG‹}L R¦Ä WV W22
¤E n.7
’LD ƒŽ Ù€’LD R¦Ä ’ W23
žJ)Rw+"
Fl²œ R¦Ä î W24
¤C4Fm%2
WsD“™ dbE R¦Ä Â W27
FKSV˜J+
ŽÆIM îœé R¦Ä Â W28
FN#S™)+
ãY BžD³ R¦Ä MD W29
¦DXAj1M
L¿iÜþ ‚¿à R¦Ä î W31
¥BWCl)$
ï‹µ[ R¦Ä ’ W34
ŸJ9/v?H
¦e”C RåRK WV W35
¥EG?l'X
Õ¿T |Ik ÔÉÐåL R¦Ä x W40
¥A+/l 1
¤gÃËD-Î…ºâ ‚¿à R¦Ä MD W41
¦D$iO?
FlLd[ R¦Ä MD W42
¦E<#j6F
HÇâT ÔÉÐåL R¦Ä WY W43
?JEL†@#
‡ŽX rYåRK R¦Ä MD W48
¦E-Kj7Y
Û±S ºªIP MD W50
¦E,Fk&U
ìji R¦Ä Â W52
FKOB˜@C
»Y ‘R F¿ R¦Ä Â W56
EKG,˜=1
ƒ¿D “ÿ R¦Ä `D ŽAz`E ãŽ q W57
¨HUKgL+
„Ûº £ÄH RåRK Â W58
EKKR˜<U
§D b“¢ Î_G „c R¦Ä å W73
¦EK7k3#
HØ…L ÃËD î W75
¦CB'j8N
’œçM M ©~ R¦Ä î W78
¤BHBlPS
¤E² ÔÉÐåL R¦Ä î W81
¥C(Rl#T
’~ijgc R¦Ä § W87
¢H#q4D
R ¡RáR R¦Ä x W88
¤B(7mN)
›W Ÿ™[ R¦Ä î W90
¤C.0m2'
S§^ Õ¿¯_ “ÿ R¦Ä î W91
¤C$:mA?
ŒÈ ¨Y “™_G džP î W94
¦C0LjD0
O¤–Oÿ g“™ R¦Ä x W95
¦A$"iWX
›W ÿ ‚¿à R¦Ä î W96
¥C<*k%>
y`T ‚¿à R¦Ä WV W99
¥DYHm&K
dEBv¾ R¦Ä í WBB
@]<XÀ.G
WsD¡WK R¦Ä ÷ °0
AMLL‹"I
’Ž”N R¦Ä í WSM
Ea6/´%5
Ekþ“hS RåRK » X01
¢7PUo56
Š“™O A¦PKA R¦Ä » X04
¢:H8o@T
æŸT ‚¿ªY R¦Ä » X05
¡:1Op;M
ŒA ÔÉÐåL R¦Ä » X06
¢9)JoP,
“ÿ Â€S ÔÉÐåL R¦Ä » X07
¢9SDoC+
‚kY ªLS R¦Ä t X09
9;G6}P5
œE ûÁE dbE ÔÉÐåL R¦Ä » X10
¢8H!nEJ
ŒR•œE ^OÈÎN R¦Ä » X13
 ;P>rH"
“ œE ÔÉÐåL R¦Ä » X14
¢8JEo7W
¯¬°¼L –aS R¦Ä t X16
:?:7%3
^· Óü R åRK » X21
¢:C3nP%
Øb¬“ ÔÉÐåL R¦Ä » X23
¢:U9oE%
´lâ ½Z`› R džP » X25
¢9W,oB#
ŽãdçN ÔÉÐåL R¦Ä » X26
¢9NKn;K
ÚÉP¡N ÔÉÐåL R¦Ä Õ X33
BGCxM#
ÓüËŸN ”ž[ ‚ & åRK OF ‚M…R„ R¦Ä » X35
¡;!Hp4B
Ü´` R¦Ä » X36
¡8Y6p48
¯ÈA £ÄH AcO åRK R¦Ä » X39
¡:+/p4:
½N•Y R¦Ä t X43
=BKƒOJ
Î{H “ÿ“™ R¦Ä » X49
¢9Vp D
”«é •xH RåRK » X50
¢:XJnU<
›W ÅvSÒS RåRK » X52
¢9CVn=E
§D »ŠÙA b E¥S R¦Ä » X55
¢:PLoCO
_`eWN R¦Ä » X58
¢9 )n86
îLKç R¦Ä » X59
¢9WIn?A
’œgeN ÔÉÐåL R¦Ä » X60
¡;3-p:4
áB °—E ÃËD » X61
¢:J$oCK
tAcOÀŠT AcODƒ… t X65
9?>(~FO
 OŽ ÃËD t XA0
:?&S.N
ÂUK[ ÔÉÐåL R¦Ä ç Y01
œI.Py:(
ÀžˆÃËD ÔÉÐåL R¦Ä SD Y03
:HRST"
”RV rè / ‰x|N ‚¿à R¦Ä SD Y14
:I91~N#
”™` ÔÉÐåL R¦Ä ™ Y19
<LL$‚SD
´âEK ÔÉÐåL Î{HWŠ^ R¦Ä ’ Y23
œK04yD(
d`ˆ ƒ~ R¦Ä ™ Y27
<L!Y‚D$
PAAYE R¦Ä § Y30
¢K=Rr?7
²d B•xH ‚MÔÉà R¦Ä § Y31
¢J,Gr(M
“ÿ  ‡eN ÔÉÐåL R¦Ä SD Y34
:J385#
åRK žkR W C rJckN ÃËD ™ Y37
:N5DLQ
`—A ÔÉÐåL R¦Ä ÿ±N ÜRÿ …Õžl ÃËD ç Y43
8G86|L*
D‘ù ÔÉÐåL R¦Ä ç Y46
8FD.|IL
Oí“™ Î{H²d R¦Ä § Y47
¢H<)qC7
LÕ™ ÔÉÐåL R¦Ä ç Y48
›HQ({AG
ÂLÿR ÔÉÐåL R¦Ä ô Y49
8M'<|DL
Â{O” ÔÉÐåL R¦Ä ’ Y50
žJ <w0.
±ƒÆA ÔÉÐåL R¦Ä ’ Y51
I@NxT
¤`ÚN ÔÉÐåL R¦Ä ’ Y55
ŸK=2vU<
S€EPY éE ÔÉÐåL R¦Ä ô Y58
8J-|I
ËáW “ÿ ÔÉÐåL -  ÙE OF ^E  žE R¦Ä ô Y63
9KY#}Y<
ŒÈœ- bT R¦Ä § Y65
¢K64rAW
‹ÉA ‚¿à R¦Ä § Y70
¡HV/s!D
ËG_ ÔÉÐåL R¦Ä ™ Y71
=L4XƒPH
øOYc ÃËD ’ Y72
IX<x;
dÝãU¸ R¦Ä § Y73
ŸL"JvD&
åº¡œ ¡NK_S R¦Ä ™ Y74
=MV)„&=
ÕÖ_Gd ÃËD ç Y76
›GE2{DE
ãYÃËD ‚¿à R¦Ä ’ Y77
L@Dy92
Þ™¥KY Ðà R¦Ä § Y83
£I97pP:
’œçM B áLeN R¦Ä § Y87
¡JM;t*
y¼N “ÿ R¦Ä § Y88
¡JB4sK<
KlK®KA Ðà R¦Ä § Y89
¡JI=s*)
¹… –aS rY •xH R¦Ä § Y91
¡J1+s(.
b“A ÔÉÐåL R¦Ä § Y93
¢JYOr%B
¶d êù` Ðà R¦Ä § Y94
¡K%Qs$:
Åœ”N R¦Ä § Y95
¢K#qV2
y`D ”•g R¦Ä § Y98
¡LC-sU
ªÇÎN ÃËD ™ Y99
=NPƒW)
¯Z‰} R¦Ä í Z14
F\!W°9@
OPÅR R¦Ä í Z17
B]&Lº=N
ªI¦D R¦Ä í Z25
BY-K¼@'
ìOŽ ãY R¦Ä í Z40
E[5G³PI
iGdƒM ÃËD í Z47
>^FKÃ/W
 ¤¼K 3 R¦Ä í Z48
B]@6º&X
êëÎ¾ “™_G R¦Ä í Z52
AV *¾-X
“ÿ ŸUgE R¦Ä í Z55
F\/<°@D
ÞLÕN “ÿ R¦Ä í Z81
>^T?ÃM
dÝ¨h R¦Ä í Z90
E]JU´1N
vR´ ¤¼K R¦Ä í Z91
F`.8¯O8
¡ºiS g“™ R¦Ä § Z92
£HA5p@A
‚P¨R „c 2 R¦Ä í Z93
G[VC¯/X
ÐÒE R¦Ä ð Z95
@@$Œ90
OßAÂ EXEÒk R¦Ä § Z98
¡HO sUG
…ßè ºªIP Â Z99
ELHT–1J
q– R¦Ä í Zx
AZXQ½YD
“ÿ ÂÂŽE ŽAz`E ãŽ _ 01D
¡G6+sH4
¡§LeN “ÿ ŽAz`E ãŽ _ 01F
¡G?&rU 
“ÿ ”X_KU~¼ ŽAz`E ãŽ _ 01H
 G*4t6.
ã« “ÿ ŽAz`E ãŽ _ 01L
 G+Jt@T
LU~Y “™_G ”ž} `D ŽAz`E ãŽ … 06B
ªJT7bN0
åeKA aŽRVOÊ “™_G ¶ ŽAz`E ãŽ _ 06I
 D8tG:
“ÿ ÕNƒE ŽAz`E ãŽ _ 07I
 E!=t8L
’z_E ŽAz`E ãŽ ô 09Y
›JO{V
y`D ”•g/‚OK ‚¿à ŽAz`E ãŽ ô 0G5
žMOAx5
ÞN LUg aŽRVOÊ ŽAz`E ãŽ Œ 0O0
CC!<—%@
ŽbšE ŽAz`‡ ŽAz`E ãŽ Â 0W0
FMCV˜1F
»Ob¡kN ŽAz`E ãŽ Â 0W7
FNIH˜2(
rYY¡Rá· ŽAz`E ãŽ § 11C
¡H(:s?"
BƒOK±œE aŽRVOÊ ŽAz`E ãŽ _ 12I
¡E<Cs
¯N ¯R A aÎÄ ŽAz`E ãŽ Õ 19T
›D%?zHY
´‡¿‚OK “ÿ ¹¥E ŽAz`E ãŽ … 1…
ªL!Ec6@
“ÿ WOAÅNK ŽAz`E ãŽ Š 1O0
EIT-š$T
S‚ß ŽAz`E ãŽ Â 1Â
FNX2•84
Ë“”R ŽAz`E ãŽ í 1Z9
FZSD°H-
ÒRžc'S ŽAz`E ãŽ … 21M
ªK9KcC(
dO~eN “ÿ ŽAz`E ãŽ Õ 2M5
8CE{K=
S²âÂfR ãY ŽAz`E ãŽ ’ 30W
ŸJW%uN<
NU³ ´ÝR“_ “ÿ ŽAz`E ãŽ … 39B
ªL+c,X
ŽYÕ· “ÿ ŽAz`E ãŽ í 3A3
E[BO³EX
§«g­›Â aŽRVOÊ “™_G ¶ ŽAz`E ãŽ _ 43I
 FH+sUW
F•Nñ ŽAz`E ãŽ ’ 4P5
žKSx
y¼N±œE ŽAz`E ãŽ … 52B
ªK9FcAR
B•™Y ¦™ ŽAz`E ãŽ … 5…
©IW/dA:
¡R× S ªØ` ÛM & aŽRVOÊ ŽAz`E ãŽ Õ 75U
›D+{7
Ÿˆ “ÿ ŽAz`E ãŽ … 76B
©IY+dC%
}xY “ÿ ŽAz`E ãŽ í 78Z
E[G$³XN
 ‡ÆE g€ ŽAz`E ãŽ … 83B
«LH9b!F
¦Ä OF ¦ÇSá ”ž} ÕŠA³ ŽAz`E ãŽ Â 83Q
FMJ ˜DO
ï_ ¦™ ŽAz`E ãŽ … 85B
ªL$-b?I
YËŸWd[E ŽAz`E ãŽ ÷ 8M3
BJON/-
½RF­h ŽAz`E ãŽ ô 8Y4
›K'{%
Ÿˆ “ÿ ŽAz`E ãŽ … 92B
«M)Ab+S
ÆÝS ”ž} ŽAz`E ãŽ ’ 99C
žHW"w..
¡M‰N'S ”ž} & ŽAz`E ãŽ … 9B7
ªJQ$c-?
PÅ“hLPÅA ŽAz`E ãŽ å 9N2
§EQ>i/Y
rY ¡RáR ŽAz`E ãŽ ô 9Y5
œM9Az:B
ã•£F ÂRM ÀžˆS »Ob `D ŽAz`E ãŽ í BNF
HW#2¤OY
‘LÎM “ÿ ŽAz`E ãŽ Œ C39
DDH8—%Y
“ÿ …a^ ŽAz`E ãŽ ‚ ‚1
>D)M…GD
¯ˆ€‘OT ŽAz`E ãŽ Ù D28
EN>2’OU
“ÿ R×‡Þ ŽAz`E ãŽ Œ E20
DD?"˜+F
‚x¡S “ÿ ŽAz`E ãŽ ö E61
>A5!†*X
¡R“N ‚¿à “ÿ ŽAz`E ãŽ › H63
;F A-!
BžD³ ãY aÎÄ ŽAz`E ãŽ Œ H77
DFK9˜15
HUBãù “™_G ŽAz`E ãŽ l HL2
ž=!OuR*
ÆÁ-Ðà ŽAz`E ãŽ ¬ I04
G9Bx;@
Ÿˆ “ÿ ÞwÕa ŽAz`E ãŽ & ”ž} q K03
¨IX)h7F
S‚ßS ŽAz`E ãŽ ô KCDD
œN.z;
Iî£F ãY ŽAz`E ãŽ í KIB
AUSQ½;2
KLUK “ÿ ŽAz`E ãŽ í KKL
CW4¸G
”L'S ŽR¨ “ÿ ŽAz`E ãŽ ô M14
›L:9{U%
‰™é'S “™_G ²d ŽAz`E ãŽ ÷ M35
CM(::N
G¿»_T ŸD³ ŽAz`E ãŽ ô M56
N#%xK 
•ˆËé “ÿ ŽAz`E ãŽ … M57
ªJW*dEM
vR´ “ÿ ŽAz`E ãŽ ô M69
›L4){NP
B•D‘ù ŒÈS ŽAz`E ãŽ … …3
ªL5Kc0
”¥ ”ž›“™ ŽAz`E ãŽ q NK0
§HNCj0E
Ÿˆ “ÿ /jLõ ŽAz`E ãŽ q q9
¨IX<h7+
“ÿ ŠO±œE “™_G ¶ ŽAz`E ãŽ Œ O06
DE@—:#
y`D “ÿ d ”×S ŽAz`E ãŽ ò O12
¡F>:r;9
ËÃN ‚k ŽAz`E ãŽ í åË
HX)I¦2O
F¿fR ãY ŽAz`E ãŽ í åNR
HX-.¤SS
d¶mOb ãY ŽAz`E ãŽ í ¦WS
HU=X£D/
¨R× g“™ ŽAz`E ãŽ í PYL
FZG%±U&
ÿöŠE R ¡RáR œC ŽAz`E ãŽ Â S60
FMK/˜->
BƒOñ ŽAz`E ãŽ Ù S76
EMF2’M(
£ÄH ‚¿ªY ŽAz`E ãŽ ’ «1
œL4)yMS
ÞN JU` /UwÉK/ ŽAz`E ãŽ í WSJ
DWIO·1.
§ÝI ŽAz`E ãŽ » X44
¢7LYn(E
lEK}GIK ŽAz`E ãŽ í Z33
BY.8¼C8
Œ¨ ¦€ ŽAz`E ãŽ í Z71
HUWY£MO
99
