<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>రూపొందించినవారు: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>కాపీరైట్ © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1 హోమ్ పేజీని తెరవాలా?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>తెలియని లోపం</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>రన్-టైమ్ లోపం: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>రుణ మొత్తం ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>వార్షిక వడ్డీ రేటు (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>వ్యవధి (సంవత్సరాల్లో)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>వాయిదాల మధ్య వ్యవధి</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>వాయిదా మొత్తం ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>లెక్కించు</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>పసుపు రంగుతో గుర్తించిన ఫీల్డ్‌లలోని విలువను సరిచేసి మళ్లీ ప్రయత్నించండి.<byte value="xd"/>
ఫీల్డ్‌లలో అంకెలు మాత్రమే ఉండాలి.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>సంఖ్య అవసరం</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>సున్నా కాని సంఖ్య అవసరం</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>తక్కువ వడ్డీకి గృహ రుణం</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>ఆన్‌లైన్ కాలిక్యులేటర్...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>వినియోగ నిబంధనలు...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>గురించి...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>నెలవారీ</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>ప్రతి రెండు వారాలకు</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>వారంవారీ</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>ఓవర్‌ఫ్లో</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>సున్నాతో భాగహారం</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>చెల్లని ప్రొసీజర్ కాల్ లేదా ఆర్గ్యుమెంట్</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1ను తెరవడం సాధ్యం కాలేదు</translation>
    </message>
</context>
</TS>
