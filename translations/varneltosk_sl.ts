<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Avtor: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Ali želite odpreti domačo stran %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznana napaka</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Napaka med izvajanjem: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Znesek kredita ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Obrestna mera (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Doba odplačila v letih</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Dinamika odplačevanja</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Višina obroka ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Popravite vrednosti v poljih, označenih z rumeno, in poskusite znova.<byte value="xd"/>
Polja lahko vsebujejo samo števke.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Potrebno je število</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Potrebno je število, različno od nič</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Ugoden stanovanjski kredit</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Spletni kalkulator...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Pogoji uporabe...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programu...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mesečno</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Vsaka dva tedna</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Tedensko</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Prekoračitev</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deljenje z nič</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neveljaven klic procedure ali argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Ni mogoče odpreti %1</translation>
    </message>
</context>
</TS>
