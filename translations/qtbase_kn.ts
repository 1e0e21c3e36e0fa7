<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ಸರಿ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ರದ್ದುಮಾಡಿ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>ರದ್ದುಗೊಳಿಸಿ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ಮತ್ತೆ ಮಾಡಿ (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ಕತ್ತರಿಸಿ (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ನಕಲಿಸಿ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ಅಂಟಿಸಿ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ಅಳಿಸಿ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
</context>
</TS>
