<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>سازنده: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>حق نشر © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>صفحهٔ اصلی %1 باز شود؟</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>خطای ناشناخته</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>خطای زمان اجرا: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>مبلغ وام ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>نرخ سود (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>مدت وام (سال)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>تناوب پرداخت</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>مبلغ هر قسط ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>محاسبه</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>لطفاً مقدار فیلدهای زردرنگ را اصلاح کنید و دوباره تلاش کنید.<byte value="xd"/>
فیلدها فقط می‌توانند رقم داشته باشند.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>عدد لازم است</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>عددی غیر از صفر لازم است</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>وام مسکن با سود کمتر</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>محاسبه‌گر آنلاین...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>شرایط استفاده...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>درباره...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>ماهانه</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>دوهفته‌ای</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>هفتگی</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>سرریز</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>تقسیم بر صفر</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>فراخوانی رویه یا آرگومان نامعتبر</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>باز کردن %1 ممکن نیست</translation>
    </message>
</context>
</TS>
