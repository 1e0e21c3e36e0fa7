<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>من إنتاج %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>حقوق النشر © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>أتريد فتح الصفحة الرئيسية لشركة %1؟</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>خطأ في وقت التشغيل: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>مبلغ القرض ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>سعر الفائدة (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>المدة بالسنوات</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>دورية السداد</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>القسط الدوري ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>يُرجى تصحيح القيم في الحقول المميّزة باللون الأصفر ثم المحاولة مرة أخرى.<byte value="xd"/>
يمكن أن تحتوي الحقول على أرقام فقط.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>يلزم إدخال رقم</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>يلزم إدخال رقم غير الصفر</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>قرض عقاري بفائدة مخفّضة</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>حاسبة عبر الإنترنت...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>شروط الاستخدام...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>حول...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>شهري</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>كل أسبوعين</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>أسبوعي</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>القسمة على صفر</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيطة غير صالحة</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>تعذّر فتح %1</translation>
    </message>
</context>
</TS>
