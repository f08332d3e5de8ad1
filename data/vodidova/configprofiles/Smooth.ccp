<?xml version="1.0"?>
<configprofile version="2.0" name="Smooth">
	<group id="-1" label="Hide Modes"/>
	<group id="-1" label="Camera Parameters"/>
	<group id="-1" label="Input Property Parameters">
		<item id="6" type="blob" label="Forw/Backw Force Response Factor">MzMzMzMzwz8=</item>
		<item id="7" type="blob" label="Forw/Backw Force Maximum">AAAAAAAA4D8=</item>
		<item id="8" type="blob" label="Right/Left Force Response Factor">MzMzMzMzwz8=</item>
		<item id="9" type="blob" label="Right/Left Force Maximum">AAAAAAAA4D8=</item>
		<item id="10" type="blob" label="Up/Down Force Response Factor">MzMzMzMzwz8=</item>
		<item id="11" type="blob" label="Up/Down Force Maximum">mpmZmZmZyT8=</item>
		<item id="12" type="blob" label="Yaw Force (Right/Left) Response Factor">MzMzMzMzwz8=</item>
		<item id="13" type="blob" label="Yaw Force (Right/Left) Maximum">mpmZmZmZyT8=</item>
		<item id="14" type="blob" label="Pitch Force (Up/Down) Response Factor">MzMzMzMzwz8=</item>
		<item id="15" type="blob" label="Pitch Force (Up/Down) Maximum">mpmZmZmZyT8=</item>
		<item id="16" type="blob" label="Roll Force (Right/Left) Response Factor">MzMzMzMzwz8=</item>
		<item id="17" type="blob" label="Roll Force (Right/Left) Maximum">mpmZmZmZyT8=</item>
		<item id="18" type="blob" label="Airplane Brake Response Factor">MzMzMzMzwz8=</item>
		<item id="19" type="blob" label="Airplane Brake Maximum">+n5qvHSTaD8=</item>
		<item id="20" type="blob" label="Brake All Response Factor">MzMzMzMzwz8=</item>
		<item id="21" type="blob" label="Brake All Maximum">/Knx0k1iYD8=</item>
		<item id="22" type="blob" label="Translational Brake Response Factor">MzMzMzMzwz8=</item>
		<item id="23" type="blob" label="Translational Brake Maximum">/Knx0k1iYD8=</item>
		<item id="24" type="blob" label="Rotational Brake Response Factor">MzMzMzMzwz8=</item>
		<item id="25" type="blob" label="Rotational Brake Maximum">+n5qvHSTaD8=</item>
	</group>
</configprofile>
