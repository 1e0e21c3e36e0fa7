<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Door %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Homepage van %1 openen?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Uitvoeringsfout: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Leenbedrag ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Rente (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Looptijd in jaren</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Betaalfrequentie</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Bedrag per termijn ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Corrigeer de waarde in de geel gemarkeerde velden en probeer het opnieuw.<byte value="xd"/>
Velden mogen alleen cijfers bevatten.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Getal vereist</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Getal ongelijk aan nul vereist</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Hypotheek met korting</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Online rekenhulp...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Gebruiksvoorwaarden...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Maandelijks</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Tweewekelijks</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wekelijks</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedureaanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Kan %1 niet openen</translation>
    </message>
</context>
</TS>
