<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Dezvoltator: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Deschideți site-ul %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Eroare necunoscută</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Eroare la rulare: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Valoarea creditului ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Rata dobânzii (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Perioada în ani</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Frecvența ratelor</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Valoarea ratei ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Calculează</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Corectați valorile din câmpurile marcate cu galben și încercați din nou.<byte value="xd"/>
Câmpurile pot conține doar cifre.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Este necesar un număr</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Este necesar un număr diferit de zero</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Credit ipotecar avantajos</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Calculator online...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Condiții de utilizare...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Despre...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>La două săptămâni</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Săptămânal</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Depășire</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Împărțire la zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Apel de procedură sau argument nevalid</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Nu se poate deschide %1</translation>
    </message>
</context>
</TS>
