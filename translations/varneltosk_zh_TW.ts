<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>由 %1 開發</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>版權所有 © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>是否開啟 %1 首頁？</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>未知錯誤</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>執行階段錯誤：%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>貸款金額 ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>年利率 (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>貸款年限</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>還款頻率</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>每期還款金額 ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>請更正以黃色標示的欄位中的值，然後再試一次。<byte value="xd"/>
欄位只能包含數字。</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>需要數字</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>需要非零數字</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>優惠房貸</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>線上計算機…</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>使用條款…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>關於…</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>每兩週</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每週</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>溢位</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除數為零</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>程序呼叫或引數無效</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>無法開啟 %1</translation>
    </message>
</context>
</TS>
