<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Izstrādātājs: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Vai atvērt uzņēmuma %1 mājaslapu?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Nezināma kļūda</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Izpildlaika kļūda: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Kredīta summa ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Procentu likme (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Termiņš gados</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Maksājumu biežums</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Maksājuma summa ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Aprēķināt</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Lūdzu, izlabojiet vērtības dzelteni iezīmētajos laukos un mēģiniet vēlreiz.<byte value="xd"/>
Laukos drīkst būt tikai cipari.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Nepieciešams skaitlis</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Nepieciešams skaitlis, kas nav nulle</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Izdevīgs mājokļa kredīts</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Tiešsaistes kalkulators...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Lietošanas noteikumi...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Par...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Reizi mēnesī</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Reizi divās nedēļās</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Reizi nedēļā</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Pārpilde</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dalīšana ar nulli</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nederīgs procedūras izsaukums vai arguments</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Nevar atvērt %1</translation>
    </message>
</context>
</TS>
