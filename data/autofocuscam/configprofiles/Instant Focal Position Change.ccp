<?xml version="1.0"?>
<configprofile version="2.0" name="Instant Focal Position Change">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Camera Modes">
		<item id="2" label="Free Focal Position">0</item>
	</group>
	<group id="-1" label="Zoom Limits"/>
	<group id="-1" label="Focal Point">
		<item id="5" type="blob" label="Focal Position Response Factor">AAAAAAAA8D8=</item>
	</group>
	<group id="-1" label="Input Property Parameters"/>
</configprofile>
