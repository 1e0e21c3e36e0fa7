<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Av %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Vil du åpne hjemmesiden til %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Kjøretidsfeil: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Lånebeløp ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Rente (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Nedbetalingstid i år</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Betalingsintervall</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Terminbeløp ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Beregn</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Rett verdiene i feltene som er merket med gult, og prøv igjen.<byte value="xd"/>
Feltene kan bare inneholde sifre.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Må være et tall</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Må være et annet tall enn null</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Gunstig boliglån</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Nettkalkulator …</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Vilkår for bruk …</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Om …</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Hver måned</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Hver 14. dag</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hver uke</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflyt</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisjon med null</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ugyldig prosedyrekall eller argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Kan ikke åpne %1</translation>
    </message>
</context>
</TS>
