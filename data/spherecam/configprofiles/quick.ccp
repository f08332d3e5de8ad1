<?xml version="1.0"?>
<configprofile version="2.0" name="quick">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Camera Modes">
		<item id="2" label="Gyro Mode">0</item>
	</group>
	<group id="-1" label="Sphere Position"/>
	<group id="-1" label="Sphere Limits"/>
	<group id="-1" label="Input Property Parameters">
		<item id="9" type="blob" label="Longitude (Right/Left) Response Factor">MzMzMzMz0z8=</item>
		<item id="10" type="blob" label="Longitude (Right/Left) Maximum">AAAAAAAAXkA=</item>
		<item id="11" type="blob" label="Latitude (Up/Down) Response Factor">MzMzMzMz0z8=</item>
		<item id="12" type="blob" label="Latitude (Up/Down) Maximum">AAAAAACAVkA=</item>
		<item id="13" type="blob" label="Radius (Out/In) Response Factor">MzMzMzMz0z8=</item>
		<item id="14" type="blob" label="Radius (Out/In) Maximum">AAAAAAAA8D8=</item>
		<item id="15" type="blob" label="Roll (Right/Left) Response Factor">MzMzMzMz0z8=</item>
		<item id="16" type="blob" label="Roll (Right/Left) Maximum">AAAAAAAATkA=</item>
	</group>
</configprofile>
