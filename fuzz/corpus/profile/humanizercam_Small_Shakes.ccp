<?xml version="1.0"?>
<configprofile version="2.0" name="Small Shakes">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Translation Shake">
		<item id="2" type="blob" label="X Amplitude">+n5qvHSTaD8=</item>
		<item id="3" type="blob" label="X Frequency">AAAAAAAACEA=</item>
		<item id="4" type="blob" label="Y Amplitude">+n5qvHSTaD8=</item>
		<item id="5" type="blob" label="Y Frequency">AAAAAAAACEA=</item>
		<item id="6" type="blob" label="Z Amplitude">/Knx0k1iYD8=</item>
		<item id="7" type="blob" label="Z Frequency">AAAAAAAACEA=</item>
	</group>
	<group id="-1" label="Rotation Shake">
		<item id="8" type="blob" label="Yaw Amplitude">MzMzMzMzwz8=</item>
		<item id="9" type="blob" label="Yaw Frequency">AAAAAAAACEA=</item>
		<item id="10" type="blob" label="Pitch Amplitude">MzMzMzMzwz8=</item>
		<item id="11" type="blob" label="Pitch Frequency">AAAAAAAACEA=</item>
		<item id="12" type="blob" label="Roll Amplitude">mpmZmZmZuT8=</item>
		<item id="13" type="blob" label="Roll Frequency">AAAAAAAACEA=</item>
	</group>
	<group id="-1" label="Motion Shake">
		<item id="14" type="blob" label="Motion Threshold">AAAAAAAA8D8=</item>
		<item id="15" type="blob" label="Motion Shake Gain">AAAAAAAAAAA=</item>
		<item id="16" type="blob" label="Motion Response Factor">mpmZmZmZuT8=</item>
	</group>
	<group id="-1" label="Noise"/>
	<group id="-1" label="Input Property Parameters">
		<item id="18" type="blob" label="Shake Amplitude Response Factor">mpmZmZmZyT8=</item>
		<item id="19" type="blob" label="Shake Amplitude Maximum">AAAAAAAA8D8=</item>
		<item id="20" type="blob" label="Shake Frequency Response Factor">mpmZmZmZyT8=</item>
		<item id="21" type="blob" label="Shake Frequency Maximum">AAAAAAAA8D8=</item>
	</group>
</configprofile>
