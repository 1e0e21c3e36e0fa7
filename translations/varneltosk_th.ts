<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>โดย %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>ลิขสิทธิ์ © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>ต้องการเปิดหน้าแรกของ %1 หรือไม่</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>ข้อผิดพลาดที่ไม่รู้จัก</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>ข้อผิดพลาดขณะทำงาน: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>วงเงินกู้ ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>อัตราดอกเบี้ยต่อปี (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>ระยะเวลากู้ (ปี)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>ความถี่ในการผ่อนชำระ</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>ยอดผ่อนต่องวด ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>คำนวณ</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>โปรดแก้ไขค่าในช่องที่เป็นสีเหลือง แล้วลองอีกครั้ง<byte value="xd"/>
ช่องต่าง ๆ ใส่ได้เฉพาะตัวเลขเท่านั้น</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>ต้องเป็นตัวเลข</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>ต้องเป็นตัวเลขที่ไม่ใช่ศูนย์</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>สินเชื่อบ้านดอกเบี้ยพิเศษ</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>เครื่องคำนวณออนไลน์...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>ข้อกำหนดการใช้งาน...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>เกี่ยวกับ...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>รายเดือน</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>ทุกสองสัปดาห์</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>รายสัปดาห์</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>ค่าล้น</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>หารด้วยศูนย์</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>การเรียกกระบวนงานหรืออาร์กิวเมนต์ไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>ไม่สามารถเปิด %1 ได้</translation>
    </message>
</context>
</TS>
