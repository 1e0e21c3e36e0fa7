<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>உருவாக்கியவர்: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>பதிப்புரிமை © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1 முகப்புப் பக்கத்தைத் திறக்கவா?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>அறியப்படாத பிழை</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>இயக்க நேரப் பிழை: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>கடன் தொகை ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>ஆண்டு வட்டி விகிதம் (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>காலம் (ஆண்டுகளில்)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>தவணை இடைவெளி</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>தவணைத் தொகை ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>கணக்கிடு</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>மஞ்சள் நிறத்தில் குறிக்கப்பட்ட புலங்களில் உள்ள மதிப்பைத் திருத்தி மீண்டும் முயலவும்.<byte value="xd"/>
புலங்களில் இலக்கங்கள் மட்டுமே இருக்கலாம்.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>எண் தேவை</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>பூஜ்ஜியம் அல்லாத எண் தேவை</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>குறைந்த வட்டியில் வீட்டுக் கடன்</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>ஆன்லைன் கால்குலேட்டர்...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>பயன்பாட்டு விதிமுறைகள்...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>பற்றி...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>மாதந்தோறும்</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>இரு வாரங்களுக்கு ஒருமுறை</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>வாரந்தோறும்</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>நிரம்பி வழிதல்</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>பூஜ்ஜியத்தால் வகுத்தல்</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>தவறான செயல்முறை அழைப்பு அல்லது அளவுரு</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 ஐத் திறக்க முடியவில்லை</translation>
    </message>
</context>
</TS>
