<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Par %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Ouvrir la page d’accueil de %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Erreur d’exécution&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Montant du prêt ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Taux d’intérêt (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Durée en années</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Montant de l’échéance ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Veuillez corriger la valeur des champs surlignés en jaune, puis réessayer.<byte value="xd"/>
Les champs ne peuvent contenir que des chiffres.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Nombre requis</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Nombre non nul requis</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Prêt immobilier à taux réduit</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Calcul en ligne...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Conditions d’utilisation...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Tous les 15 jours</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossible d’ouvrir %1</translation>
    </message>
</context>
</TS>
