<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Otvoriti početnu stranicu tvrtke %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Nepoznata pogreška</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Pogreška pri izvođenju: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Iznos kredita ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Kamatna stopa (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Rok otplate u godinama</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Učestalost otplate</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Iznos rate ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Ispravite vrijednosti u poljima označenima žutom bojom i pokušajte ponovno.<byte value="xd"/>
Polja smiju sadržavati samo znamenke.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Potreban je broj</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Potreban je broj različit od nule</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Povoljan stambeni kredit</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Mrežni kalkulator …</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Uvjeti korištenja …</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programu …</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mjesečno</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Svaka dva tjedna</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Tjedno</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Preljev</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dijeljenje s nulom</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nevažeći poziv procedure ili argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Nije moguće otvoriti %1</translation>
    </message>
</context>
</TS>
