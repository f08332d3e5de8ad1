<?xml version="1.0"?>
<configprofile version="2.0" name="Moon Buggy">
	<group id="-1" label="Gauges (read only)"/>
	<group id="-1" label="General Modes"/>
	<group id="-1" label="Autonomous Mode Properties"/>
	<group id="-1" label="Steering Properties">
		<item id="21" type="blob" label="Maximum Steering Change Velocity">AAAAAAAA+D8=</item>
		<item id="22" type="blob" label="Speed Dependent Turn Radius Reduction Factor">AAAAAAAAAAA=</item>
		<item id="23" type="blob" label="Steering Noise">AAAAAAAAAAA=</item>
		<item id="24" type="blob" label="Steering Wheel Rot Mult">AAAAAAAA8D8=</item>
		<item id="25" type="blob" label="Turn Base (Back Wheel Relative)">AAAAAAAAAAA=</item>
	</group>
	<group id="-1" label="Suspension Properties">
		<item id="26" type="blob" label="Front Stiffness">AAAAAAAAKEA=</item>
		<item id="27" type="blob" label="Front Damping">mpmZmZmZAUA=</item>
		<item id="28" type="blob" label="Back Stiffness">AAAAAAAAKEA=</item>
		<item id="29" type="blob" label="Back Damping">mpmZmZmZAUA=</item>
		<item id="30" type="blob" label="Tire Pressure">mpmZmZmZ6T8=</item>
		<item id="31" type="blob" label="Maximum Forward Tilt Angle">mpmZmZmZyT8=</item>
		<item id="32" type="blob" label="Maximum Side Tilt Angle">mpmZmZmZyT8=</item>
		<item id="33" type="blob" label="Booster Stiffness Multiplier">AAAAAAAAAAA=</item>
		<item id="34" type="blob" label="Mass Multiplier">AAAAAAAA8D8=</item>
	</group>
	<group id="-1" label="General Properties">
		<item id="35" label="Fixate Wheel Center Nodes">0</item>
		<item id="36" label="Move WheelCenterMesh to ground hit point">0</item>
		<item id="37" label="Align WheelCenterMesh to ground incline">0</item>
		<item id="38" label="Use Reverse as ABS Brake">0</item>
		<item id="39" type="blob" label="Skidding Offset Value">AAAAAAAAAAA=</item>
		<item id="40" type="blob" label="Skidding Release Value (Lateral Vel Rel)">AAAAAAAAAAA=</item>
		<item id="41" type="blob" label="Skidding Release Response Factor">mpmZmZmZuT8=</item>
		<item id="42" type="blob" label="Gravel Shake Offset Value">AAAAAAAAAAA=</item>
		<item id="43" type="blob" label="Gravel Roughness">AAAAAAAA4D8=</item>
		<item id="44" type="blob" label="External Force Offset Value">AAAAAAAAAAA=</item>
		<item id="45" type="blob" label="Skid Brake Stop Factor">AAAAAAAA8D8=</item>
		<item id="46" type="blob" label="Skid Brake Rot Brake Mult">AAAAAAAA8D8=</item>
		<item id="47" type="blob" label="Burnout Shake">AAAAAAAA8D8=</item>
		<item id="48" type="blob" label="Burnout Tilting Force">AAAAAAAA8D8=</item>
		<item id="49" type="blob" label="Burnout Fadeout Factor">mpmZmZmZqT8=</item>
		<item id="50" label="Random Seed Adder">0</item>
		<item id="51" type="blob" label="World Avoidance Sphere (scale relative)">AAAAAAAAAAA=</item>
		<item id="52" type="blob" label="Wheel Radius Multiplier">AAAAAAAA8D8=</item>
		<item id="53" type="blob" label="Gravity">7FG4HoXr+T8=</item>
	</group>
	<group id="-1" label="Wheel Ground Release Properties">
		<item id="54" label="Enable Wheel Ground Release">1</item>
		<item id="55" type="blob" label="Suspension Length (Radius Relative)">AAAAAAAA+D8=</item>
		<item id="56" type="blob" label="Maximum Wheel Extension Velocity (Radius Rel)">AAAAAAAACEA=</item>
	</group>
	<group id="-1" label="Ray Cast Properties"/>
	<group id="-1" label="Input Property Parameters">
		<item id="62" type="blob" label="Acceleration (scale relative)">MzMzMzMz0z8=</item>
		<item id="63" type="blob" label="Gas Pedal (Forw/Backw) Response Factor">exSuR+F6hD8=</item>
		<item id="64" type="blob" label="Steering Wheel (Right/Left) Response Factor">mpmZmZmZuT8=</item>
		<item id="65" type="blob" label="Booster Response Factor">exSuR+F6lD8=</item>
		<item id="66" type="blob" label="ABS Brake Response Factor">AAAAAAAA8D8=</item>
		<item id="67" type="blob" label="Skidding Response Factor">mpmZmZmZuT8=</item>
		<item id="68" type="blob" label="Skid Brake Response Factor">mpmZmZmZuT8=</item>
		<item id="69" type="blob" label="Gravel Shake Amplitude Response Factor">AAAAAAAA8D8=</item>
		<item id="70" type="blob" label="Burnout Response Factor">uB6F61G4nj8=</item>
		<item id="71" type="blob" label="External Force Response Factor">AAAAAAAA8D8=</item>
		<item id="72" type="blob" label="Gas Pedal (Forw/Backw) Maximum">AAAAAAAAEEA=</item>
		<item id="73" type="blob" label="Steering Wheel (Right/Left) Maximum">MzMzMzMz4z8=</item>
		<item id="74" type="blob" label="Booster Maximum">AAAAAAAAGEA=</item>
		<item id="75" type="blob" label="ABS Brake Maximum">uB6F61G4nj8=</item>
		<item id="76" type="blob" label="Skidding Maximum">zczMzMzM7D8=</item>
		<item id="77" type="blob" label="Skid Brake Maximum">AAAAAAAA8D8=</item>
		<item id="78" type="blob" label="Gravel Shake Amplitude Maximum">mpmZmZmZqT8=</item>
		<item id="79" type="blob" label="Burnout Maximum">AAAAAAAACEA=</item>
		<item id="80" type="blob" label="External Force Maximum">AAAAAAAAWUA=</item>
	</group>
</configprofile>
