<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Redo</source>
        <translation>Atat&amp;saukt</translation>
    </message>
</context>
</TS>
