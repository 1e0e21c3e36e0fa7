<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>নির্মাতা: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>কপিরাইট © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1-এর হোমপেজ খুলবেন?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>অজানা ত্রুটি</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>রান-টাইম ত্রুটি: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>ঋণের পরিমাণ ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>বার্ষিক সুদের হার (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>মেয়াদ (বছর)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>কিস্তি পরিশোধের ব্যবধান</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>কিস্তির পরিমাণ ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>হিসাব করুন</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>হলুদ রঙে চিহ্নিত ঘরগুলোর মান ঠিক করে আবার চেষ্টা করুন।<byte value="xd"/>
ঘরগুলোতে কেবল অঙ্ক লেখা যাবে।</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>সংখ্যা প্রয়োজন</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>শূন্য ছাড়া অন্য সংখ্যা প্রয়োজন</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>কম সুদে গৃহঋণ</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>অনলাইন ক্যালকুলেটর...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>ব্যবহারের শর্তাবলি...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>সম্পর্কে...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>মাসিক</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>প্রতি দুই সপ্তাহে</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>সাপ্তাহিক</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>ওভারফ্লো</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>শূন্য দিয়ে ভাগ</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>অবৈধ প্রসিডিউর কল বা আর্গুমেন্ট</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 খোলা যাচ্ছে না</translation>
    </message>
</context>
</TS>
