<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Gawa ng %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Buksan ang home page ng %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Hindi kilalang error</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Error sa run-time: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Halaga ng loan ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Taunang interes (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Tagal ng loan (taon)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Dalas ng pagbabayad</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Halaga ng bawat hulog ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Kalkulahin</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Pakitama ang halaga sa mga field na may dilaw na marka at subukang muli.<byte value="xd"/>
Mga digit lang ang puwedeng ilagay sa mga field.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Kailangan ng numero</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Kailangan ng numerong hindi sero</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Housing loan na may diskuwento</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Online na calculator...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Mga Tuntunin ng Paggamit...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Tungkol sa...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Buwanan</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Kada dalawang linggo</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Lingguhan</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Lumampas sa kapasidad</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Paghahati sa sero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Di-wastong pagtawag sa procedure o argumento</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Hindi mabuksan ang %1</translation>
    </message>
</context>
</TS>
