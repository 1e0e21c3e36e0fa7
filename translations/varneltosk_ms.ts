<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Oleh %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Hak Cipta © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Buka laman utama %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Ralat tidak diketahui</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Ralat masa jalan: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Jumlah pinjaman ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Kadar faedah setahun (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Tempoh (tahun)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Kekerapan bayaran</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Jumlah ansuran ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Kira</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Sila betulkan nilai dalam medan yang bertanda kuning dan cuba lagi.<byte value="xd"/>
Medan hanya boleh mengandungi digit.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Memerlukan nombor</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Memerlukan nombor selain sifar</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Pinjaman perumahan berdiskaun</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Kalkulator dalam talian...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Terma Penggunaan...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Perihal...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Bulanan</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Setiap dua minggu</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Mingguan</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Limpahan</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Pembahagian dengan sifar</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Panggilan prosedur atau argumen tidak sah</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Tidak dapat membuka %1</translation>
    </message>
</context>
</TS>
