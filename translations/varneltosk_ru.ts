<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Разработчик: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Открыть сайт компании %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Ошибка выполнения: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Сумма кредита ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Процентная ставка (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Срок кредита (лет)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Периодичность платежей</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Размер платежа ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Исправьте значения в полях, выделенных жёлтым, и повторите попытку.<byte value="xd"/>
Поля могут содержать только цифры.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Требуется число</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Требуется ненулевое число</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Выгодная ипотека</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Онлайн-калькулятор...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Условия использования...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Раз в две недели</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Не удаётся открыть %1</translation>
    </message>
</context>
</TS>
