<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Af %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Vil du åbne hjemmesiden for %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukendt fejl</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Kørselsfejl: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Lånebeløb ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Rente (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Løbetid i år</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Betalingshyppighed</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Ydelse pr. termin ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Beregn</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Ret værdien i de felter, der er markeret med gult, og prøv igen.<byte value="xd"/>
Felterne må kun indeholde cifre.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Kræver et tal</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Kræver et andet tal end nul</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Boliglån til favørrente</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Onlineberegner...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Brugsvilkår...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Om...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Månedlig</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Hver 14. dag</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Ugentlig</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overløb</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division med nul</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ugyldigt procedurekald eller argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 kan ikke åbnes</translation>
    </message>
</context>
</TS>
