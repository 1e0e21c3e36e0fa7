<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Розробник: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Відкрити сайт компанії %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Помилка виконання: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Сума кредиту ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Процентна ставка (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Строк кредиту (років)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Періодичність платежів</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Розмір платежу ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Розрахувати</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Виправте значення в полях, позначених жовтим, і спробуйте ще раз.<byte value="xd"/>
Поля можуть містити лише цифри.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Потрібне число</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Потрібне ненульове число</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Вигідна іпотека</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Онлайн-калькулятор...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Умови використання...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Про програму...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Щомісяця</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Раз на два тижні</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Щотижня</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Ділення на нуль</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Неприпустимий виклик процедури або аргумент</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Не вдається відкрити %1</translation>
    </message>
</context>
</TS>
