//Maya ASCII 2014 scene
//Name: empty.ma
//Codeset: UTF-8
requires maya "2014";
currentUnit -l centimeter -a radian -t sec;
fileInfo "application" "maya";
fileInfo "product" "Maya 2014";
fileInfo "version" "2014";
	setAttr ":top.v" no;
	setAttr ":topShape.o" yes;
	setAttr ":front.v" no;
	setAttr ":frontShape.o" yes;
	setAttr ":side.v" no;
	setAttr ":sideShape.o" yes;
playbackOptions -min 0.041666666666666664 -max 1 -ast 0.041666666666666664 -aet 2;
currentUnit -l centimeter -a degree -t film;
// End of empty.ma
