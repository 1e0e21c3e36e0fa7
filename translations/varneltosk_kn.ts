<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>ತಯಾರಕರು: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>ಕೃತಿಸ್ವಾಮ್ಯ © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1 ಮುಖಪುಟವನ್ನು ತೆರೆಯಬೇಕೆ?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>ಅಜ್ಞಾತ ದೋಷ</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>ರನ್-ಟೈಮ್ ದೋಷ: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>ಸಾಲದ ಮೊತ್ತ ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>ವಾರ್ಷಿಕ ಬಡ್ಡಿ ದರ (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>ಅವಧಿ (ವರ್ಷಗಳಲ್ಲಿ)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>ಕಂತಿನ ಆವರ್ತನ</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>ಕಂತಿನ ಮೊತ್ತ ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>ಲೆಕ್ಕಹಾಕಿ</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>ಹಳದಿ ಬಣ್ಣದಲ್ಲಿ ಗುರುತಿಸಿದ ಕ್ಷೇತ್ರಗಳಲ್ಲಿನ ಮೌಲ್ಯವನ್ನು ಸರಿಪಡಿಸಿ ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.<byte value="xd"/>
ಕ್ಷೇತ್ರಗಳಲ್ಲಿ ಅಂಕಿಗಳು ಮಾತ್ರ ಇರಬಹುದು.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>ಸಂಖ್ಯೆ ಅಗತ್ಯವಿದೆ</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>ಸೊನ್ನೆಯಲ್ಲದ ಸಂಖ್ಯೆ ಅಗತ್ಯವಿದೆ</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>ಕಡಿಮೆ ಬಡ್ಡಿಯ ಗೃಹ ಸಾಲ</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>ಆನ್‌ಲೈನ್ ಕ್ಯಾಲ್ಕುಲೇಟರ್...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>ಬಳಕೆಯ ನಿಯಮಗಳು...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>ಕುರಿತು...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>ತಿಂಗಳಿಗೊಮ್ಮೆ</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>ಎರಡು ವಾರಕ್ಕೊಮ್ಮೆ</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>ವಾರಕ್ಕೊಮ್ಮೆ</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>ಓವರ್‌ಫ್ಲೋ</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>ಸೊನ್ನೆಯಿಂದ ಭಾಗಾಕಾರ</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>ಅಮಾನ್ಯ ಪ್ರೊಸೀಜರ್ ಕರೆ ಅಥವಾ ಆರ್ಗ್ಯುಮೆಂಟ್</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 ಅನ್ನು ತೆರೆಯಲಾಗುತ್ತಿಲ್ಲ</translation>
    </message>
</context>
</TS>
