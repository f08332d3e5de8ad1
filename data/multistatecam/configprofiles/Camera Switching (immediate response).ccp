<?xml version="1.0"?>
<configprofile version="2.0" name="Camera Switching (immediate response)">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="States"/>
	<group id="-1" label="Motion">
		<item id="13" type="blob" label="Response Factor">AAAAAAAA8D8=</item>
	</group>
</configprofile>
