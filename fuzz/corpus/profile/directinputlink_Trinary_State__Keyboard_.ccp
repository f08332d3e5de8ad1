<?xml version="1.0"?>
<configprofile version="2.0" name="Trinary State (Keyboard)">
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Input Property Parameters">
		<item id="3" type="blob" label="Forw/Backw Transl Response Factor">mpmZmZmZyT8=</item>
		<item id="4" type="blob" label="Forw/Backw Transl Maximum">AAAAAAAA8D8=</item>
		<item id="5" type="blob" label="Forw/Backw Transl Change Limit">AAAAAAAANEA=</item>
		<item id="6" label="Forw/Backw Transl Keep Trinary State">1</item>
		<item id="7" label="Forw/Backw Transl Integrate">1</item>
		<item id="8" type="blob" label="Right/Left Transl Response Factor">mpmZmZmZyT8=</item>
		<item id="9" type="blob" label="Right/Left Transl Maximum">AAAAAAAA8D8=</item>
		<item id="10" type="blob" label="Right/Left Transl Change Limit">AAAAAAAANEA=</item>
		<item id="11" label="Right/Left Transl Keep Trinary State">1</item>
		<item id="12" label="Right/Left Transl Integrate">1</item>
		<item id="13" type="blob" label="Up/Down Transl Response Factor">mpmZmZmZyT8=</item>
		<item id="14" type="blob" label="Up/Down Transl Maximum">AAAAAAAA8D8=</item>
		<item id="15" type="blob" label="Up/Down Transl Change Limit">AAAAAAAANEA=</item>
		<item id="16" label="Up/Down Transl Keep Trinary State">1</item>
		<item id="17" label="Up/Down Transl Integrate">1</item>
		<item id="18" type="blob" label="Yaw (Right/Left) Response Factor">mpmZmZmZyT8=</item>
		<item id="19" type="blob" label="Yaw (Right/Left) Maximum">GC1EVPsh+T8=</item>
		<item id="20" type="blob" label="Yaw (Right/Left) Change Limit">AAAAAAAANEA=</item>
		<item id="21" label="Yaw (Right/Left) Keep Trinary State">1</item>
		<item id="22" label="Yaw (Right/Left) Integrate">1</item>
		<item id="23" type="blob" label="Pitch (Up/Down) Response Factor">mpmZmZmZyT8=</item>
		<item id="24" type="blob" label="Pitch (Up/Down) Maximum">GC1EVPsh+T8=</item>
		<item id="25" type="blob" label="Pitch (Up/Down) Change Limit">AAAAAAAANEA=</item>
		<item id="26" label="Pitch (Up/Down) Keep Trinary State">1</item>
		<item id="27" label="Pitch (Up/Down) Integrate">1</item>
		<item id="28" type="blob" label="Roll (Right/Left) Response Factor">mpmZmZmZyT8=</item>
		<item id="29" type="blob" label="Roll (Right/Left) Maximum">GC1EVPsh+T8=</item>
		<item id="30" type="blob" label="Roll (Right/Left) Change Limit">AAAAAAAANEA=</item>
		<item id="31" label="Roll (Right/Left) Keep Trinary State">1</item>
		<item id="32" label="Roll (Right/Left) Integrate">1</item>
	</group>
</configprofile>
