<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Od spoločnosti %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Otvoriť domovskú stránku spoločnosti %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznáma chyba</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Chyba počas behu: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Výška úveru ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Úroková sadzba (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Doba splácania v rokoch</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Frekvencia splátok</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Výška splátky ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Vypočítať</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Opravte hodnoty v poliach označených žltou farbou a skúste to znova.<byte value="xd"/>
Polia môžu obsahovať iba číslice.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Vyžaduje sa číslo</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Vyžaduje sa nenulové číslo</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Zvýhodnená hypotéka</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Online kalkulačka…</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Podmienky používania…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O aplikácii…</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mesačne</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Každé dva týždne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Týždenne</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Pretečenie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Delenie nulou</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neplatné volanie procedúry alebo argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Nedá sa otvoriť %1</translation>
    </message>
</context>
</TS>
