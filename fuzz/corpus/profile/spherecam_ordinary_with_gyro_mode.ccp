<?xml version="1.0"?>
<configprofile version="2.0" name="ordinary with gyro mode">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Camera Modes">
		<item id="2" label="Gyro Mode">1</item>
	</group>
	<group id="-1" label="Sphere Position"/>
	<group id="-1" label="Sphere Limits"/>
	<group id="-1" label="Input Property Parameters">
		<item id="9" type="blob" label="Longitude (Right/Left) Response Factor">mpmZmZmZuT8=</item>
		<item id="10" type="blob" label="Longitude (Right/Left) Maximum">AAAAAAAATkA=</item>
		<item id="11" type="blob" label="Latitude (Up/Down) Response Factor">mpmZmZmZuT8=</item>
		<item id="12" type="blob" label="Latitude (Up/Down) Maximum">AAAAAACARkA=</item>
		<item id="13" type="blob" label="Radius (Out/In) Response Factor">mpmZmZmZuT8=</item>
		<item id="14" type="blob" label="Radius (Out/In) Maximum">AAAAAAAA4D8=</item>
		<item id="15" type="blob" label="Roll (Right/Left) Response Factor">mpmZmZmZuT8=</item>
		<item id="16" type="blob" label="Roll (Right/Left) Maximum">AAAAAAAAPkA=</item>
	</group>
</configprofile>
