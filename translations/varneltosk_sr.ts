<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Аутор: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Ауторска права © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Отворити почетну страницу компаније %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Непозната грешка</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Грешка при извршавању: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Износ кредита ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Каматна стопа (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Рок отплате у годинама</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Учесталост отплате</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Износ рате ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Израчунај</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Исправите вредности у пољима означеним жутом бојом и покушајте поново.<byte value="xd"/>
Поља могу да садрже само цифре.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Потребан је број</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Потребан је број различит од нуле</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Повољан стамбени кредит</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Онлајн калкулатор...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Услови коришћења...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О програму...</translation>
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
        <translation>Сваке две недеље</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Недељно</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Прекорачење</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Дељење нулом</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Неважећи позив процедуре или аргумент</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Није могуће отворити %1</translation>
    </message>
</context>
</TS>
