<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Por %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>¿Abrir la página de inicio de %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Error en tiempo de ejecución: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Importe del préstamo ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Tipo de interés (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Plazo en años</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Frecuencia de pago</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Cuota periódica ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Corrija el valor de los campos marcados en amarillo y vuelva a intentarlo.<byte value="xd"/>
Los campos solo pueden contener dígitos.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Se necesita un número</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Se necesita un número distinto de cero</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Hipoteca con descuento</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Calculadora en línea...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Condiciones de uso...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
</context>
</TS>
