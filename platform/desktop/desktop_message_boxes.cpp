#include "platform/desktop/desktop_message_boxes.h"

#include "product_info.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

MessageBoxes::Result DesktopMessageBoxes::MsgBox(const QString &prompt, Style style)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(ProductInfo::ApplicationTitle.toString());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    // Prompts separate their lines with CR LF; the label wants plain line feeds.
    box.setText(QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    QPushButton *ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    if (style == OkCancel)
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    else
        box.setEscapeButton(ok);

    box.exec();
    return box.clickedButton() == ok ? Ok : Cancel;
}
