<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ઓકે</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ઓકે (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>રદ કરો (&amp;C)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>પૂર્વવત્ કરો (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ફરી કરો (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>કાપો (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>કૉપિ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>પેસ્ટ કરો (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
</TS>
