<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Von %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Homepage von %1 öffnen?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Laufzeitfehler: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Darlehensbetrag ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Zinssatz (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Laufzeit in Jahren</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Zahlungsweise</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Ratenhöhe ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Bitte korrigieren Sie die Werte in den gelb markierten Feldern und versuchen Sie es erneut.<byte value="xd"/>
Die Felder dürfen nur Ziffern enthalten.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Zahl erforderlich</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Zahl ungleich null erforderlich</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Vergünstigte Baufinanzierung</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Online-Rechner...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Nutzungsbedingungen...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Zweiwöchentlich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
</context>
</TS>
