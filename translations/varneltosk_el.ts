<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Δημιουργός: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Άνοιγμα της αρχικής σελίδας της %1;</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Άγνωστο σφάλμα</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Σφάλμα χρόνου εκτέλεσης: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Ποσό δανείου ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Επιτόκιο (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Διάρκεια σε έτη</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Συχνότητα δόσεων</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Ποσό δόσης ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Υπολογισμός</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Διορθώστε την τιμή στα πεδία που επισημαίνονται με κίτρινο και δοκιμάστε ξανά.<byte value="xd"/>
Τα πεδία μπορούν να περιέχουν μόνο ψηφία.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Απαιτείται αριθμός</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Απαιτείται μη μηδενικός αριθμός</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Στεγαστικό με προνομιακό επιτόκιο</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Online υπολογισμός...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Όροι χρήσης...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Πληροφορίες...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Μηνιαία</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Ανά δύο εβδομάδες</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Εβδομαδιαία</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Υπερχείλιση</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Διαίρεση με το μηδέν</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Μη έγκυρη κλήση διαδικασίας ή όρισμα</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του %1</translation>
    </message>
</context>
</TS>
