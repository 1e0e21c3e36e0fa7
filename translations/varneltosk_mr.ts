<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>निर्माता: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>कॉपीराइट © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1 चे मुख्यपृष्ठ उघडायचे?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>अज्ञात त्रुटी</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>रन-टाइम त्रुटी: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>कर्जाची रक्कम ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>वार्षिक व्याजदर (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>मुदत (वर्षे)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>हप्त्यांची वारंवारता</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>हप्त्याची रक्कम ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>गणना करा</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>कृपया पिवळ्या रंगाने चिन्हांकित केलेल्या क्षेत्रांतील मूल्य दुरुस्त करा आणि पुन्हा प्रयत्न करा.<byte value="xd"/>
क्षेत्रांमध्ये फक्त अंक असू शकतात.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>संख्या आवश्यक</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>शून्याव्यतिरिक्त संख्या आवश्यक</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>कमी व्याजदरात गृहकर्ज</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>ऑनलाइन कॅल्क्युलेटर...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>वापराच्या अटी...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>विषयी...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>मासिक</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>दर दोन आठवड्यांनी</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>साप्ताहिक</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>ओव्हरफ्लो</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>शून्याने भागाकार</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>अवैध प्रोसिजर कॉल किंवा आर्ग्युमेंट</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 उघडता आले नाही</translation>
    </message>
</context>
</TS>
