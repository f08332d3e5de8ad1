<?xml version="1.0"?>
<configprofile version="2.0" name="Bus">
	<group id="-1" label="General Settings">
		<item id="0" type="blob" label="Top Speed (scale relative)">zczMzMzMBEA=</item>
		<item id="1" type="blob" label="Acceleration (in Percent)">AAAAAAAAJEA=</item>
		<item id="2" type="blob" label="Maximum Steering Change Velocity">AAAAAAAA4D8=</item>
		<item id="3" type="blob" label="Maximum Steering Angle">AAAAAAAAREA=</item>
		<item id="4" type="blob" label="Suspension Stiffness">AAAAAACARkA=</item>
		<item id="5" type="blob" label="Suspension Damping">AAAAAAAAIEA=</item>
		<item id="6" type="blob" label="Gravity">H4XrUbieI0A=</item>
		<item id="7" label="Hide Helpers">0</item>
	</group>
	<group id="-1" label="Input Property Parameters">
		<item id="8" type="blob" label="Gas Pedal (Forw/Backw) Response Factor">exSuR+F6hD8=</item>
		<item id="9" type="blob" label="Steering Wheel (Right/Left) Response Factor">mpmZmZmZuT8=</item>
		<item id="10" type="blob" label="Booster Response Factor">exSuR+F6lD8=</item>
		<item id="11" type="blob" label="ABS Brake Response Factor">AAAAAAAA8D8=</item>
		<item id="12" type="blob" label="Skidding Response Factor">mpmZmZmZuT8=</item>
		<item id="13" type="blob" label="Skid Brake Response Factor">mpmZmZmZuT8=</item>
		<item id="14" type="blob" label="Gravel Shake Amplitude Response Factor">AAAAAAAA8D8=</item>
		<item id="15" type="blob" label="Burnout Response Factor">uB6F61G4nj8=</item>
		<item id="16" type="blob" label="External Force Response Factor">AAAAAAAA8D8=</item>
	</group>
</configprofile>
