<?xml version="1.0"?>
<configprofile version="2.0" name="Fast">
	<group id="-1" label="Hide Modes"/>
	<group id="-1" label="Camera Parameters"/>
	<group id="-1" label="Input Property Parameters">
		<item id="6" type="blob" label="Forw/Backw Force Response Factor">mpmZmZmZ6T8=</item>
		<item id="7" type="blob" label="Forw/Backw Force Maximum">AAAAAAAAAEA=</item>
		<item id="8" type="blob" label="Right/Left Force Response Factor">mpmZmZmZ6T8=</item>
		<item id="9" type="blob" label="Right/Left Force Maximum">AAAAAAAAAEA=</item>
		<item id="10" type="blob" label="Up/Down Force Response Factor">mpmZmZmZ6T8=</item>
		<item id="11" type="blob" label="Up/Down Force Maximum">AAAAAAAA8D8=</item>
		<item id="12" type="blob" label="Yaw Force (Right/Left) Response Factor">AAAAAAAA8D8=</item>
		<item id="13" type="blob" label="Yaw Force (Right/Left) Maximum">MzMzMzMz4z8=</item>
		<item id="14" type="blob" label="Pitch Force (Up/Down) Response Factor">AAAAAAAA8D8=</item>
		<item id="15" type="blob" label="Pitch Force (Up/Down) Maximum">MzMzMzMz4z8=</item>
		<item id="16" type="blob" label="Roll Force (Right/Left) Response Factor">AAAAAAAA8D8=</item>
		<item id="17" type="blob" label="Roll Force (Right/Left) Maximum">MzMzMzMz4z8=</item>
		<item id="18" type="blob" label="Airplane Brake Response Factor">AAAAAAAA8D8=</item>
		<item id="19" type="blob" label="Airplane Brake Maximum">uB6F61G4jj8=</item>
		<item id="20" type="blob" label="Brake All Response Factor">AAAAAAAA8D8=</item>
		<item id="21" type="blob" label="Brake All Maximum">exSuR+F6hD8=</item>
		<item id="22" type="blob" label="Translational Brake Response Factor">AAAAAAAA8D8=</item>
		<item id="23" type="blob" label="Translational Brake Maximum">exSuR+F6hD8=</item>
		<item id="24" type="blob" label="Rotational Brake Response Factor">AAAAAAAA8D8=</item>
		<item id="25" type="blob" label="Rotational Brake Maximum">uB6F61G4jj8=</item>
	</group>
</configprofile>
