<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Tootja: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Kas avada %1 koduleht?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Tundmatu viga</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Käitusaegne viga: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Laenusumma ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Intressimäär (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Laenuperiood aastates</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Maksesagedus</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Perioodiline makse ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Arvuta</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Parandage kollasega märgitud väljade väärtused ja proovige uuesti.<byte value="xd"/>
Väljadel võivad olla ainult numbrid.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Nõutav on arv</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Nõutav on nullist erinev arv</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Soodne kodulaen</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Veebikalkulaator...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Kasutustingimused...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Teave...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Kord kuus</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Iga kahe nädala tagant</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Kord nädalas</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Ületäitumine</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Nulliga jagamine</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Vigane protseduurikutse või argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 avamine nurjus</translation>
    </message>
</context>
</TS>
