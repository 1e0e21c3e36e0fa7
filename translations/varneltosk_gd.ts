<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Le %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Còir-lethbhreac © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>A bheil thu airson duilleag-dhachaigh %1 fhosgladh?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Mearachd nach aithne dhuinn</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Mearachd ruith: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Suim an iasaid ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Ìre an rèidh (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Teirm ann am bliadhnaichean</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Tricead a’ phàighidh</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Pàigheadh cunbhalach ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Àireamhaich</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Ceartaich an luach sna raointean a tha comharraichte le buidhe is feuch ris a-rithist.<byte value="xd"/>
Chan fhaod ach figearan a bhith sna raointean.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Feumaidh seo àireamh</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Feumaidh seo àireamh nach eil ’na neoni</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Morgaids le lasachadh</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Àireamhair air loidhne...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Teirmichean cleachdaidh...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Mu dhèidhinn...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Gach mìos</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Gach cola-deug</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Gach seachdain</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Cus-shruthadh</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Roinneadh le neoni</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Gairm modh-obrach no argamaid mhì-dhligheach</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Cha ghabh %1 fhosgladh</translation>
    </message>
</context>
</TS>
