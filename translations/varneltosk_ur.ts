<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>منجانب %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>کاپی رائٹ © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>کیا %1 کا ہوم پیج کھولیں؟</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>نامعلوم خرابی</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>رن ٹائم خرابی: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>قرض کی رقم ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>سالانہ شرح سود (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>مدت (سالوں میں)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>اقساط کا وقفہ</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>قسط کی رقم ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>حساب کریں</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>براہ کرم پیلے رنگ سے نشان زد خانوں میں قدر درست کریں اور دوبارہ کوشش کریں۔<byte value="xd"/>
خانوں میں صرف ہندسے درج کیے جا سکتے ہیں۔</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>عدد درکار ہے</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>صفر کے علاوہ کوئی عدد درکار ہے</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>کم شرح سود پر ہوم لون</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>آن لائن کیلکولیٹر...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>شرائط استعمال...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>تعارف...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>ماہانہ</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>ہر دو ہفتے بعد</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>ہفتہ وار</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>اوور فلو</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>صفر سے تقسیم</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>غلط پروسیجر کال یا آرگیومنٹ</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 کو کھولا نہیں جا سکا</translation>
    </message>
</context>
</TS>
