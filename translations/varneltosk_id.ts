<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
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
        <translation>Buka beranda %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Kesalahan tidak dikenal</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Kesalahan saat dijalankan: %1</translation>
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
        <translation>Suku bunga per tahun (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Tenor (tahun)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Frekuensi angsuran</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Angsuran per periode ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Hitung</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Perbaiki nilai pada kolom yang ditandai kuning, lalu coba lagi.<byte value="xd"/>
Kolom hanya boleh berisi angka.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Harus berisi angka</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Harus berisi angka selain nol</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>KPR dengan bunga diskon</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Kalkulator online...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Ketentuan Penggunaan...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Tentang...</translation>
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
        <translation>Dua minggu sekali</translation>
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
        <translation>Luapan</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Pembagian dengan nol</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Panggilan prosedur atau argumen tidak valid</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Tidak dapat membuka %1</translation>
    </message>
</context>
</TS>
