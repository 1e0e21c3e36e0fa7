<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>제작: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Copyright © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1 홈페이지를 여시겠습니까?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>런타임 오류: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>대출 금액 ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>연 금리 (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>대출 기간 (년)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>상환 주기</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>1회 상환액 ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>노란색으로 표시된 필드의 값을 수정한 후 다시 시도하십시오.<byte value="xd"/>
필드에는 숫자만 입력할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>숫자가 필요합니다</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>0이 아닌 숫자가 필요합니다</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>우대금리 주택담보대출</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>온라인 계산기...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>이용 약관...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>정보...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>매월</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>격주</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>매주</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0으로 나누기</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>프로시저 호출 또는 인수가 잘못되었습니다</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1을(를) 열 수 없습니다</translation>
    </message>
</context>
</TS>
