<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Producent: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Otworzyć stronę główną firmy %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Błąd wykonania: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Kwota kredytu ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Oprocentowanie (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Okres kredytowania (lata)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Częstotliwość spłat</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Wysokość raty ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Popraw wartości w polach zaznaczonych na żółto i spróbuj ponownie.<byte value="xd"/>
Pola mogą zawierać tylko cyfry.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Wymagana liczba</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Wymagana liczba różna od zera</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Tańszy kredyt hipoteczny</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Kalkulator online…</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Warunki korzystania…</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie…</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Co dwa tygodnie</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Co tydzień</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Nie można otworzyć %1</translation>
    </message>
</context>
</TS>
