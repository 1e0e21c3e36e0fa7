<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Di %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Aprire la home page di %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Errore di esecuzione: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Importo del prestito ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Tasso di interesse (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Durata in anni</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Periodicità delle rate</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Importo della rata ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Correggere il valore nei campi evidenziati in giallo e riprovare.<byte value="xd"/>
I campi possono contenere solo cifre.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Serve un numero</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Serve un numero diverso da zero</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Mutuo a tasso scontato</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Calcolatore online...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Condizioni d’uso...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mensile</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Quindicinale</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Settimanale</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
</context>
</TS>
