<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Imetengenezwa na %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Hakimiliki © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Ungependa kufungua ukurasa wa nyumbani wa %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Hitilafu isiyojulikana</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Hitilafu wakati wa kuendesha: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Kiasi cha mkopo ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Riba kwa mwaka (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Muda wa mkopo (miaka)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Marudio ya malipo</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Kiasi cha kila awamu ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Kokotoa</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Tafadhali sahihisha thamani katika sehemu zilizowekwa alama ya manjano kisha ujaribu tena.<byte value="xd"/>
Sehemu zinaweza kuwa na tarakimu pekee.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Inahitaji nambari</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Inahitaji nambari isiyo sifuri</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Mkopo wa nyumba kwa punguzo</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Kikokotoo cha mtandaoni...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Masharti ya Matumizi...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Kuhusu...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Kila mwezi</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Kila wiki mbili</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Kila wiki</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Kufurika</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Kugawanya kwa sifuri</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Mwito wa utaratibu au hoja si sahihi</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Imeshindwa kufungua %1</translation>
    </message>
</context>
</TS>
