<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>由 %1 开发</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>版权所有 © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>是否打开 %1 主页？</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>运行时错误：%1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>贷款金额 ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>年利率 (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>贷款年限</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>还款频率</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>每期还款额 ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>请更正以黄色标记的输入框中的值，然后重试。<byte value="xd"/>
输入框中只能包含数字。</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>需要数字</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>需要非零数字</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>优惠房贷</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>在线计算器...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>使用条款...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
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
        <translation>每两周</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
</context>
</TS>
