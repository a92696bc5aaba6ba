<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AisConfiguration</name>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Enable Log</source>
        <translation>Enable Log</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>More...</translation>
    </message>
</context>
<context>
    <name>CAboutForm</name>
    <message>
        <source>AIS Class B Configuration</source>
        <translation>AIS Class B Configuration</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>ConnectCheckTip</source>
        <translation>Determining the AIS Device Type...</translation>
    </message>
    <message>
        <source>ConnectCheckTipForVELK</source>
        <translation>Determining the AIS Device Type...</translation>
    </message>
    <message>
        <source>DeviceConfirm</source>
        <translation>Save settings to device?</translation>
    </message>
    <message>
        <source>DisconnectTip</source>
        <translation>Click to connect the device!</translation>
    </message>
    <message>
        <source>InvalidCallSignTip</source>
        <translation>The field “Call Sign” cannot be left blank</translation>
    </message>
    <message>
        <source>InvalidMMSITip</source>
        <translation>The entered MMSI is not in the valid range</translation>
    </message>
    <message>
        <source>InvalidShipNameTip</source>
        <translation>The field “Ship&apos;s Name” cannot be left blank</translation>
    </message>
    <message>
        <source>MMSI - A unique nine digit number that identifies a particular ship or shore station.

The MMSI can be programmed only once. Please contact your dealer if you are unsure of your MMSI number.</source>
        <translation>MMSI (Maritime Mobile Service Identity) - A unique nine digit number that identifies a particular ship or shore station.

The MMSI can be programmed only once. Please contact your dealer if you are unsure of your MMSI number.</translation>
    </message>
    <message>
        <source> - IN USE</source>
        <translation> - IN USE</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Altitude higher than 500m</source>
        <translation>Altitude higher than 500m</translation>
    </message>
    <message>
        <source>At sea level</source>
        <translation>At sea level</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Hide...</source>
        <translation>Hide...</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Maritime Mobile Service Identity (MMSI)</source>
        <translation>Maritime Mobile Service Identity (MMSI)</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>More...</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Start Log</source>
        <translation>Start Log</translation>
    </message>
    <message>
        <source>Stop Log</source>
        <translation>Stop Log</translation>
    </message>
    <message>
        <source>20 = WIG</source>
        <translation>20 = WIG</translation>
    </message>
    <message>
        <source>30 = Vessel-Fishing</source>
        <translation>30 = Vessel-Fishing</translation>
    </message>
    <message>
        <source>31 = Vessel-Towing</source>
        <translation>31 = Vessel-Towing</translation>
    </message>
    <message>
        <source>32 = Vessel-Tow&gt;200m,breadth&gt;25m</source>
        <translation>32 = Vessel-Tow&gt;200m,breadth&gt;25m</translation>
    </message>
    <message>
        <source>33 = Vessel-Dredge,Underwater OP</source>
        <translation>33 = Vessel-Dredge,Underwater OP</translation>
    </message>
    <message>
        <source>34 = Vessel-Diving OP</source>
        <translation>34 = Vessel-Diving OP</translation>
    </message>
    <message>
        <source>35 = Vessel-Military OP</source>
        <translation>35 = Vessel-Military OP</translation>
    </message>
    <message>
        <source>36 = Vessel-Sailing</source>
        <translation>36 = Vessel-Sailing</translation>
    </message>
    <message>
        <source>37 = Vessel-Pleasure craft</source>
        <translation>37 = Vessel-Pleasure craft</translation>
    </message>
    <message>
        <source>40 = HSC</source>
        <translation>40 = HSC</translation>
    </message>
    <message>
        <source>50 = Pilot vessel</source>
        <translation>50 = Pilot vessel</translation>
    </message>
    <message>
        <source>51 = Search &amp; rescue vessel</source>
        <translation>51 = Search &amp; rescue vessel</translation>
    </message>
    <message>
        <source>52 = Tug</source>
        <translation>52 = Tug</translation>
    </message>
    <message>
        <source>53 = Port tender</source>
        <translation>53 = Port tender</translation>
    </message>
    <message>
        <source>54 = Anti-pollution vessel</source>
        <translation>54 = Anti-pollution vessel</translation>
    </message>
    <message>
        <source>55 = Law enforcement vessel</source>
        <translation>55 = Law enforcement vessel</translation>
    </message>
    <message>
        <source>58 = Medical transport</source>
        <translation>58 = Medical transport</translation>
    </message>
    <message>
        <source>59 = Resolution 18(Mob-83)</source>
        <translation>59 = Resolution 18(Mob-83)</translation>
    </message>
    <message>
        <source>60 = Passenger ship</source>
        <translation>60 = Passenger ship</translation>
    </message>
    <message>
        <source>70 = Cargo ship</source>
        <translation>70 = Cargo ship</translation>
    </message>
    <message>
        <source>80 = Tanker</source>
        <translation>80 = Tanker</translation>
    </message>
</context>
</TS>
