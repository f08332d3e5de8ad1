<?xml version="1.0"?>
<configprofile version="2.0" name="FollowCam">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Camera Parameters">
		<item id="3" type="blob" label="Translation Response Factor">MzMzMzMzwz8=</item>
		<item id="4" type="blob" label="Rotation Response Factor">AAAAAAAA4D8=</item>
	</group>
</configprofile>
