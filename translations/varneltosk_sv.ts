<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Av %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Vill du öppna webbplatsen för %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Okänt fel</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Körningsfel: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Lånebelopp ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Ränta (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Löptid i år</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Betalningsintervall</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Belopp per betalning ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Beräkna</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Rätta värdet i de gulmarkerade fälten och försök igen.<byte value="xd"/>
Fälten får bara innehålla siffror.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Kräver ett tal</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Kräver ett tal som inte är noll</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Bolån med rabatterad ränta</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Onlinekalkylator...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Användarvillkor...</translation>
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
        <translation>Varje månad</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Varannan vecka</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Varje vecka</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division med noll</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ogiltigt proceduranrop eller argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Det går inte att öppna %1</translation>
    </message>
</context>
</TS>
