<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>Yapış&amp;tır</translation>
    </message>
</context>
</TS>
