<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Gerai</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Atšaukti</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anuliuoti</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Perdaryti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Iškirpti</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopijuoti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Įk&amp;lijuoti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Naikinti</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Žymėti viską</translation>
    </message>
</context>
</TS>
