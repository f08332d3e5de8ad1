requires maya "2014";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "a";
createNode transform -n "b" -p "a";
	setAttr ".t" -type "double3" 1 2;
connectAttr "a.tx" "b.ty";
