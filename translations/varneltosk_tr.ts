<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>%1 tarafından</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Telif Hakkı © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>%1 ana sayfası açılsın mı?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Çalışma zamanı hatası: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Kredi tutarı ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Yıllık faiz oranı (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Vade (yıl)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Ödeme sıklığı</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Taksit tutarı ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Lütfen sarıyla işaretlenmiş alanlardaki değerleri düzeltip yeniden deneyin.<byte value="xd"/>
Alanlara yalnızca rakam girilebilir.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Bir sayı gerekli</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Sıfırdan farklı bir sayı gerekli</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>İndirimli konut kredisi</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Çevrim İçi Hesaplama...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Kullanım Koşulları...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Hakkında...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Aylık</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>İki haftada bir</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Haftalık</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Sıfıra bölme</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Geçersiz yordam çağrısı veya bağımsız değişken</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 açılamıyor</translation>
    </message>
</context>
</TS>
