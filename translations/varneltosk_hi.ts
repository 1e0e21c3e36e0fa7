<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
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
        <translation>%1 का होम पेज खोलें?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>अज्ञात त्रुटि</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>रन-टाइम त्रुटि: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>ऋण राशि ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>वार्षिक ब्याज दर (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>अवधि (वर्षों में)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>किस्त की आवृत्ति</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>किस्त की राशि ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>गणना करें</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>कृपया पीले रंग से चिह्नित फ़ील्ड में मान ठीक करें और फिर से प्रयास करें।<byte value="xd"/>
फ़ील्ड में केवल अंक हो सकते हैं।</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>संख्या आवश्यक है</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>शून्य के अलावा कोई संख्या आवश्यक है</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>कम ब्याज पर होम लोन</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>ऑनलाइन कैलकुलेटर...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>उपयोग की शर्तें...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>परिचय...</translation>
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
        <translation>हर दो सप्ताह</translation>
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
        <translation>ओवरफ़्लो</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>शून्य से भाग</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>अमान्य प्रोसीजर कॉल या आर्ग्युमेंट</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 नहीं खोला जा सका</translation>
    </message>
</context>
</TS>
