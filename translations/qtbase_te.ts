<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దు చేయి</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>సరే (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>రద్దు చేయి (&amp;C)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>చర్యరద్దు (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>మళ్లీ చేయి (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>కత్తిరించు (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>కాపీ చేయి (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>అతికించు (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>తొలగించు</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>అన్నీ ఎంచుకో</translation>
    </message>
</context>
</TS>
