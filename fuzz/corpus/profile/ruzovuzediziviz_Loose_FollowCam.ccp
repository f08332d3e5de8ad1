<?xml version="1.0"?>
<configprofile version="2.0" name="Loose FollowCam">
	<group id="-1" label="Motion Filter Parameters">
		<item id="0" label="Fixate Translations">0</item>
		<item id="1" type="blob" label="Translation Response Factor">AAAAAAAAEEA=</item>
		<item id="2" type="blob" label="Translation Smoothing Factor">AAAAAAAAEEA=</item>
		<item id="3" type="blob" label="Translation Max Velocity">AAAAAAAAAAA=</item>
		<item id="4" label="Fixate Rotations">0</item>
		<item id="5" type="blob" label="Rotation Response Factor">AAAAAAAAEEA=</item>
		<item id="6" type="blob" label="Rotation Smoothing Factor">AAAAAAAAEEA=</item>
		<item id="7" type="blob" label="Rotation Max Velocity">AAAAAAAAAAA=</item>
	</group>
</configprofile>
