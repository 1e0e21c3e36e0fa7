<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>מאת %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>זכויות יוצרים © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>לפתוח את דף הבית של %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>שגיאה לא ידועה</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>שגיאת זמן ריצה: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>סכום ההלוואה ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>שיעור הריבית (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>תקופה בשנים</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>תדירות התשלום</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>החזר תקופתי ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>חישוב</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>נא לתקן את הערכים בשדות המסומנים בצהוב ולנסות שוב.<byte value="xd"/>
השדות יכולים להכיל ספרות בלבד.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>נדרש מספר</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>נדרש מספר שונה מאפס</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>משכנתא בתנאים מועדפים</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>מחשבון מקוון...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>תנאי שימוש...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>אודות...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>חודשי</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>דו-שבועי</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>שבועי</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>גלישה</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>חלוקה באפס</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>קריאה לפרוצדורה או ארגומנט לא חוקיים</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>לא ניתן לפתוח את %1</translation>
    </message>
</context>
</TS>
