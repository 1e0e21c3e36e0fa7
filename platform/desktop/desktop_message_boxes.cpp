// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/desktop_message_boxes.h"

#include "product_info.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

namespace {

// Qt places a dialog on its window by guessing the dialog's frame from the frames of the windows
// already shown, and falls back to a made-up frame when a window reports no side borders (as
// under Wine without a window manager), which leaves the box off centre. On Windows the box's
// own frame is known before it appears: centre that frame on the window's frame.
class CentredMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
#ifdef Q_OS_WIN
        if (const QWidget *window = parentWidget(); window && !event->spontaneous())
            move(pos() + window->frameGeometry().center() - frameGeometry().center());
#endif
    }
};

} // namespace

MessageBoxes::Result DesktopMessageBoxes::MsgBox(const QString &prompt, Style style)
{
    CentredMessageBox box(QApplication::activeWindow());
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
