<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>От %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Да се отвори ли началната страница на %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестна грешка</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Грешка по време на изпълнение: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Размер на кредита ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Лихвен процент (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Срок в години</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Периодичност на вноските</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Размер на вноската ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Изчисли</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Коригирайте стойностите в полетата, маркирани в жълто, и опитайте отново.<byte value="xd"/>
Полетата могат да съдържат само цифри.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Изисква се число</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Изисква се число, различно от нула</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Изгоден ипотечен кредит</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Онлайн калкулатор…</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Условия за ползване…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Относно…</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Месечно</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>На две седмици</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Седмично</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Препълване</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на нула</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Невалидно извикване на процедура или аргумент</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 не може да се отвори</translation>
    </message>
</context>
</TS>
