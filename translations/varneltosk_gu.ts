<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>નિર્માતા: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>કૉપિરાઇટ © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1નું હોમ પેજ ખોલવું છે?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>અજ્ઞાત ભૂલ</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>રન-ટાઇમ ભૂલ: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>લોનની રકમ ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>વાર્ષિક વ્યાજ દર (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>મુદત (વર્ષમાં)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>હપ્તાની આવૃત્તિ</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>હપ્તાની રકમ ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>ગણતરી કરો</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>કૃપા કરીને પીળા રંગથી ચિહ્નિત ખાનાંની કિંમત સુધારીને ફરી પ્રયાસ કરો.<byte value="xd"/>
ખાનાંમાં ફક્ત અંકો જ લખી શકાય છે.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>સંખ્યા જરૂરી છે</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>શૂન્ય સિવાયની સંખ્યા જરૂરી છે</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>ઓછા વ્યાજે હોમ લોન</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>ઑનલાઇન કેલ્ક્યુલેટર...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>ઉપયોગની શરતો...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>વિશે...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>માસિક</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>દર બે અઠવાડિયે</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>સાપ્તાહિક</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>ઓવરફ્લો</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>શૂન્ય વડે ભાગાકાર</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>અમાન્ય પ્રોસિજર કૉલ અથવા આર્ગ્યુમેન્ટ</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 ખોલી શકાતું નથી</translation>
    </message>
</context>
</TS>
