<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Készítette: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Megnyitja a(z) %1 honlapját?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Ismeretlen hiba</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Futásidejű hiba: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Hitelösszeg ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Kamatláb (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Futamidő (év)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Törlesztés gyakorisága</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Törlesztőrészlet ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Számítás</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Javítsa ki a sárgával jelölt mezők értékét, és próbálja újra.<byte value="xd"/>
A mezők csak számjegyeket tartalmazhatnak.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Szám szükséges</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Nullától eltérő szám szükséges</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Kedvezményes lakáshitel</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Online kalkulátor…</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Felhasználási feltételek…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Névjegy…</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Havonta</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Kéthetente</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hetente</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Túlcsordulás</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Nullával való osztás</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Érvénytelen eljáráshívás vagy argumentum</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Nem nyitható meg: %1</translation>
    </message>
</context>
</TS>
