<?xml version="1.0"?>
<configprofile version="2.0" name="Only Rotation">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Camera Modes">
		<item id="3" label="Allow Roll">0</item>
	</group>
	<group id="-1" label="Camera Parameters"/>
	<group id="-1" label="Input Property Parameters">
		<item id="6" type="blob" label="Forw/Backw Speed Response Factor">mpmZmZmZyT8=</item>
		<item id="7" type="blob" label="Forw/Backw Speed Maximum">AAAAAAAAAAA=</item>
		<item id="8" type="blob" label="Right/Left Speed Response Factor">mpmZmZmZyT8=</item>
		<item id="9" type="blob" label="Right/Left Speed Maximum">AAAAAAAAAAA=</item>
		<item id="10" type="blob" label="Up/Down Speed Response Factor">mpmZmZmZyT8=</item>
		<item id="11" type="blob" label="Up/Down Speed Maximum">AAAAAAAAAAA=</item>
		<item id="12" type="blob" label="Yaw Speed (Right/Left) Response Factor">mpmZmZmZyT8=</item>
		<item id="13" type="blob" label="Yaw Speed (Right/Left) Maximum">AAAAAAAA8D8=</item>
		<item id="14" type="blob" label="Pitch Speed (Up/Down) Response Factor">mpmZmZmZuT8=</item>
		<item id="15" type="blob" label="Pitch Speed (Up/Down) Maximum">AAAAAAAA8D8=</item>
		<item id="16" type="blob" label="Roll Speed (Right/Left) Response Factor">mpmZmZmZyT8=</item>
		<item id="17" type="blob" label="Roll Speed (Right/Left) Maximum">AAAAAAAA8D8=</item>
		<item id="18" type="blob" label="Cam Shaker Amplitude Response Factor">zczMzMzM7D8=</item>
		<item id="19" type="blob" label="Cam Shaker Amplitude Maximum">AAAAAAAACEA=</item>
		<item id="20" type="blob" label="Walk Cycle Amplitude Response Factor">zczMzMzM7D8=</item>
		<item id="21" type="blob" label="Walk Cycle Amplitude Maximum">uB6F61G4nj8=</item>
		<item id="22" type="blob" label="Transl MemRegulator Response Factor">mpmZmZmZuT8=</item>
		<item id="23" type="blob" label="Transl MemRegulator Maximum">AAAAAAAAPkA=</item>
		<item id="24" type="blob" label="Orient MemRegulator Response Factor">mpmZmZmZuT8=</item>
		<item id="25" type="blob" label="Orient MemRegulator Maximum">AAAAAAAAPkA=</item>
		<item id="26" type="blob" label="Save MemReg State Response Factor">AAAAAAAA8D8=</item>
		<item id="27" type="blob" label="Save MemReg State Maximum">AAAAAAAA8D8=</item>
		<item id="28" type="blob" label="Anti-Roll Regulator Response Factor">mpmZmZmZyT8=</item>
		<item id="29" type="blob" label="Anti-Roll Regulator Maximum">AAAAAAAAPkA=</item>
	</group>
</configprofile>
