<?xml version="1.0"?>
<configprofile version="2.0" name="Car Iron Rig">
	<group id="-1" label="Motion Filter Parameters">
		<item id="0" label="Fixate Translations">0</item>
		<item id="1" type="blob" label="Translation Response Factor">AAAAAAAAaUA=</item>
		<item id="2" type="blob" label="Translation Smoothing Factor">AAAAAAAANEA=</item>
		<item id="3" type="blob" label="Translation Max Velocity">AAAAAAAAAAA=</item>
		<item id="4" label="Fixate Rotations">0</item>
		<item id="5" type="blob" label="Rotation Response Factor">AAAAAAAAaUA=</item>
		<item id="6" type="blob" label="Rotation Smoothing Factor">AAAAAAAANEA=</item>
		<item id="7" type="blob" label="Rotation Max Velocity">AAAAAAAAAAA=</item>
	</group>
</configprofile>
