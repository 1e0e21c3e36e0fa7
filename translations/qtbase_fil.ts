<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Kanselahin</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>I-&amp;undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>I-&amp;redo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>I-&amp;cut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyahin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>I-&amp;paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Piliin lahat</translation>
    </message>
</context>
</TS>
