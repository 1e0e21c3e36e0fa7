<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
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
        <translation>Abrir a página inicial de %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Erro de execução: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Montante do empréstimo ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Taxa de juro (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Prazo em anos</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Periodicidade</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Valor da prestação ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Corrija o valor nos campos assinalados a amarelo e tente novamente.<byte value="xd"/>
Os campos só podem conter algarismos.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>É necessário um número</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>É necessário um número diferente de zero</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Crédito habitação com desconto</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Simulador online...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Termos de utilização...</translation>
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
        <translation>Mensal</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>De duas em duas semanas</translation>
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
        <translation>Capacidade excedida</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Não é possível abrir %1</translation>
    </message>
</context>
</TS>
