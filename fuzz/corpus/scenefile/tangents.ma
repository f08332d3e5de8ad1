//Maya ASCII 2014 scene
//Name: tangents.ma
//Codeset: UTF-8
requires maya "2014";
currentUnit -l centimeter -a radian -t sec;
fileInfo "application" "maya";
fileInfo "product" "Maya 2014";
fileInfo "version" "2014";
upAxis -ax "z";
	setAttr ":top.v" no;
	setAttr ":topShape.o" yes;
	setAttr ":front.v" no;
	setAttr ":frontShape.o" yes;
	setAttr ":side.v" no;
	setAttr ":sideShape.o" yes;
createNode transform -n "car";
	addAttr -ci true -sn "VXB_tag" -ln "VXB_tag" -dt "string";
	addAttr -ci true -sn "names" -ln "names" -dt "stringArray";
	setAttr ".t" -type "double3" 1 2 3;
	setAttr ".r" -type "double3" 0.17453292519943295 0.3490658503988659 0.52359877559829882;
	setAttr ".VXB_tag" -type "string" "<VXB_tag><name>Car</name></VXB_tag>";
	setAttr ".names" -type "stringArray" 2 "a" "b c";
createNode transform -n "wheel" -p "car";
createNode camera -n "camShape" -p "wheel";
	setAttr ".fl" 50;
createNode transform -n "body";
createNode mesh -n "bodyShape" -p "body";
	setAttr -s 4 ".vt[0:3]" 0 0 0 1 0 0 1 1 0 0 1 0;
	setAttr -s 4 ".ed[0:3]" 0 1 0 1 2 0 2 3 0 3 0 0;
	setAttr -s 1 ".fc[0:0]" -type "polyFaces" f 4 0 1 2 3;
createNode animCurveTL -n "car_tx";
	setAttr -s 3 ".ktv[0:2]" 0.041666666666666664 0 0.5 4 1 0;
	setAttr -s 3 ".kit[0:2]" 3 10 18;
	setAttr -s 3 ".kot[0:2]" 5 2 9;
connectAttr "car_tx.o" "car.tx";
playbackOptions -min 0.041666666666666664 -max 1 -ast 0.041666666666666664 -aet 2;
currentTime 0.20833333333333334;
currentUnit -l centimeter -a degree -t film;
// End of tangents.ma
