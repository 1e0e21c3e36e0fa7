<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Redo</source>
        <translation>Z&amp;novu</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>V&amp;ložit</translation>
    </message>
</context>
</TS>
