<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Sawa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ghairi</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Sawa</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Ghairi</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Tendua</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rudia</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kata</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Nakili</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Bandika</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Futa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chagua Zote</translation>
    </message>
</context>
</TS>
