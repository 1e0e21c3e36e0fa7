<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>開発元: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1 のホームページを開きますか?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>実行時エラー: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>借入金額 ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>年利 (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>返済期間 (年)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>返済間隔</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>毎回の返済額 ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>黄色で示された欄の値を修正して、もう一度お試しください。<byte value="xd"/>
入力できるのは数字のみです。</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>数値が必要です</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>0 以外の数値が必要です</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>金利優遇の住宅ローン</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>オンライン計算...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>利用規約...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>バージョン情報...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0 で除算しました</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 を開けません</translation>
    </message>
</context>
</TS>
