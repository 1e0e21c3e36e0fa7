<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ٹھیک ہے</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;منسوخ کریں</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;کالعدم کریں</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;دوبارہ کریں</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>کا&amp;ٹیں</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نقل کریں</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;چسپاں کریں</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>سب منتخب کریں</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>یونیکوڈ کنٹرول حرف داخل کریں</translation>
    </message>
</context>
</TS>
