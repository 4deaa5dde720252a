K_Œù_E ÔÉÐåL [ ]KM
¤J*#oB6
ìLhN \ ]³
EQ/W’XU
ìþE ¡Rá· ŽAz`E ãŽ \ Y³
GP#X›7
¡ÄSÃËD J–ñ[ b“A _š w KbL
¡?D*r7G
YíI” R fR§}L Â KYKM
EL@$–>D
ŽbšE-¯‚” _š Â ñ¶
FM8S˜0C
¯¯‰} LRº í åš
C\SF¹XC
99
