<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>AboutBox</name>
    <message>
        <source>By %1</source>
        <translation>Nhà phát triển: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 %2</source>
        <translation>Bản quyền © %1 %2</translation>
    </message>
    <message>
        <source>Browse to %1 home page?</source>
        <translation>Mở trang chủ của %1?</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Unknown error</source>
        <translation>Lỗi không xác định</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Lỗi khi chạy: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Loan amount ($/€/£)</source>
        <translation>Số tiền vay ($/€/£)</translation>
    </message>
    <message>
        <source>Interest rate (%)</source>
        <translation>Lãi suất năm (%)</translation>
    </message>
    <message>
        <source>Term in years</source>
        <translation>Thời hạn vay (năm)</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Tần suất trả nợ</translation>
    </message>
    <message>
        <source>Periodical payment ($/€/£)</source>
        <translation>Số tiền trả mỗi kỳ ($/€/£)</translation>
    </message>
    <message>
        <source>calc</source>
        <translation>Tính</translation>
    </message>
    <message>
        <source>Please correct the value in the fields marked in yellow and try again.<byte value="xd"/>
Fields can include only digits.</source>
        <translation>Vui lòng sửa giá trị trong các ô được đánh dấu màu vàng rồi thử lại.<byte value="xd"/>
Các ô chỉ được chứa chữ số.</translation>
    </message>
</context>
<context>
    <name>FormPaymentView</name>
    <message>
        <source>Needs a number</source>
        <translation>Cần nhập số</translation>
    </message>
    <message>
        <source>Needs a number other than zero</source>
        <translation>Cần nhập số khác 0</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Get discounted mortgage</source>
        <translation>Vay mua nhà ưu đãi</translation>
    </message>
    <message>
        <source>Online calc...</source>
        <translation>Công cụ tính trực tuyến...</translation>
    </message>
    <message>
        <source>Terms of Use...</source>
        <translation>Điều khoản sử dụng...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Giới thiệu...</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Hằng tháng</translation>
    </message>
    <message>
        <source>Bi-Weekly</source>
        <translation>Hai tuần một lần</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hằng tuần</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Tràn số</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Chia cho 0</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Lời gọi thủ tục hoặc đối số không hợp lệ</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Không thể mở %1</translation>
    </message>
</context>
</TS>
