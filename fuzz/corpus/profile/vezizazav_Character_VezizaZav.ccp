<?xml version="1.0"?>
<configprofile version="2.0" name="Character VezizaZav">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Camera Parameters">
		<item id="3" type="blob" label="Translation Response Factor">7FG4HoXrsT8=</item>
		<item id="4" type="blob" label="Rotation Response Factor">mpmZmZmZyT8=</item>
	</group>
</configprofile>
