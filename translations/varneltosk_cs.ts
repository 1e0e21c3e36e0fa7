<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Od společnosti %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Otevřít domovskou stránku společnosti %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Chyba za běhu: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Výše úvěru ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Úroková sazba (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Doba splácení v letech</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Frekvence splátek</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Výše splátky ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Vypočítat</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Opravte prosím hodnoty v polích označených žlutě a zkuste to znovu.<byte value="xd"/>
Pole mohou obsahovat pouze číslice.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Je třeba zadat číslo</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Je třeba zadat nenulové číslo</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Zvýhodněná hypotéka</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Online kalkulačka...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Podmínky použití...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O aplikaci...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Měsíčně</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Každé dva týdny</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Týdně</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dělení nulou</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neplatné volání procedury nebo argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Nelze otevřít %1</translation>
    </message>
</context>
</TS>
