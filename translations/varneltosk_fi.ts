<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Tekijä: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Avataanko yrityksen %1 kotisivu?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Tuntematon virhe</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Suoritusaikainen virhe: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Lainan määrä ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Korko (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Laina-aika vuosina</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Lyhennysväli</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Maksuerä ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Laske</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Korjaa keltaisella merkittyjen kenttien arvot ja yritä uudelleen.<byte value="xd"/>
Kentissä voi olla vain numeroita.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Luku vaaditaan</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Nollasta poikkeava luku vaaditaan</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Edullinen asuntolaina</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Verkkolaskuri…</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Käyttöehdot…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Tietoja…</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Kuukausittain</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Joka toinen viikko</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Viikoittain</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Ylivuoto</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Jako nollalla</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Virheellinen proseduurikutsu tai argumentti</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Kohdetta %1 ei voi avata</translation>
    </message>
</context>
</TS>
