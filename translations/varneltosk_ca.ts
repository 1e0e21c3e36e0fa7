<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Per %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Voleu obrir la pàgina d’inici de %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconegut</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Error en temps d’execució: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Import del préstec ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Tipus d’interès (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Termini en anys</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Periodicitat de pagament</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Quota periòdica ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Calcula</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Corregiu el valor dels camps marcats en groc i torneu-ho a provar.<byte value="xd"/>
Els camps només poden contenir xifres.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Cal un nombre</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Cal un nombre diferent de zero</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Hipoteca amb descompte</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Calculadora en línia...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Condicions d’ús...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Quant a...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Cada dues setmanes</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Setmanal</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordament</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisió per zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Crida a procediment o argument no vàlids</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>No es pot obrir %1</translation>
    </message>
</context>
</TS>
