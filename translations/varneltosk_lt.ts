<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Kūrėjas: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Autorių teisės © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Atverti %1 pagrindinį puslapį?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Nežinoma klaida</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Vykdymo klaida: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Paskolos suma ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Palūkanų norma (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Terminas metais</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Mokėjimų dažnumas</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Įmokos dydis ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Skaičiuoti</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Pataisykite geltonai pažymėtų laukų reikšmes ir bandykite dar kartą.<byte value="xd"/>
Laukuose gali būti tik skaitmenys.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Reikia skaičiaus</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Reikia nenulinio skaičiaus</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Palanki būsto paskola</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Internetinė skaičiuoklė...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Naudojimo sąlygos...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Apie...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Kas mėnesį</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Kas dvi savaites</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Kas savaitę</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Perpildymas</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dalyba iš nulio</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neleistinas procedūros kvietimas arba argumentas</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Nepavyksta atverti %1</translation>
    </message>
</context>
</TS>
