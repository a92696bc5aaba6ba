<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>CopyrightBase</source>
        <translation>AIS Class B Configuration. Copyright © the AIS Configuration developers. All rights reserved.

This program is provided as is, without warranty of any kind.</translation>
    </message>
    <message>
        <source>CopyrightVELK</source>
        <translation>The transponder names and the maker&apos;s logo are the marks of their owners and are shown only to identify the device.</translation>
    </message>
    <message>
        <source>CopyrightQt</source>
        <translation>This program uses the Qt toolkit under the GNU Lesser General Public License version 3. Qt is a trademark of The Qt Company Ltd.</translation>
    </message>
</context>
</TS>
