<?xml version="1.0"?>
<configprofile version="2.0" name="Smooth">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="States"/>
	<group id="-1" label="Motion">
		<item id="13" type="blob" label="Response Factor">exSuR+F6tD8=</item>
	</group>
</configprofile>
