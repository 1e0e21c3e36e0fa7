// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "platform/desktop/desktop_message_boxes.h"
#include "ui/startup.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realBoxesShowAndAnswer_data();
    void realBoxesShowAndAnswer();
};

void TestMessageBoxes::realBoxesShowAndAnswer_data()
{
    // clang-format off
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("answeredBy");

    const QString correct = "Please correct the value in the fields marked in yellow and try again.\n"
                            "Fields can include only digits.";
    const QString about = QStringLiteral("Varnel Tosk 1.0\nBy Velmora Software\n"
                                         "Copyright \u00A9 2026 Velmora Software\n\n"
                                         "Browse to Velmora home page?");
    const QMessageBox::StandardButtons ok = QMessageBox::Ok;
    const QMessageBox::StandardButtons okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    QTest::newRow("correction, Enter") << "Command1" << "Enter" << correct << ok << QMessageBox::Ok;
    QTest::newRow("correction, Escape") << "Command1" << "Escape" << correct << ok << QMessageBox::Ok;
    QTest::newRow("correction, closed") << "Command1" << "close" << correct << ok << QMessageBox::Ok;
    QTest::newRow("About, Enter") << "About" << "Enter" << about << okCancel << QMessageBox::Ok;
    QTest::newRow("About, Escape") << "About" << "Escape" << about << okCancel << QMessageBox::Cancel;
    QTest::newRow("About, closed") << "About" << "close" << about << okCancel << QMessageBox::Cancel;
    // clang-format on
}

void TestMessageBoxes::realBoxesShowAndAnswer()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QString, text);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, answeredBy);

    DesktopMessageBoxes messages;
    RecordingLauncher launcher;
    const StartedWindow form = startUp({messages, launcher, QLocale(QLocale::English)});
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    // Away from the screen's edges, which would stop a box wider than the window.
    form->move(form->screen()->availableGeometry().center() - form->rect().center());

    // Once the box is open: answer it as the user does, then look at what it showed.
    int boxes = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ++boxes;
        const QPoint centre = box->frameGeometry().center();
        if (answer == "close")
            box->close();
        else
            QTest::keyClick(box, answer == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        QCOMPARE(box->standardButton(box->clickedButton()), answeredBy);
        QCOMPARE(box->windowTitle(), QStringLiteral("VarnelTosk"));
        QVERIFY(box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull());
        QCOMPARE(box->standardButtons(), buttons);
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QCOMPARE(label->text(), text);
        QVERIFY(label->textFormat() == Qt::PlainText &&
                label->height() >= (text.count(u'\n') + 1) * label->fontMetrics().lineSpacing());
        QVERIFY(box->isModal() && box->parentWidget() == form.get());
        QVERIFY((centre - form->frameGeometry().center()).manhattanLength() <= 2);
    });
    timer.start(10);

    if (command == "About") {
        form->findChild<QAction *>(command)->trigger();
    } else {
        form->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("0"));
        QTest::mouseClick(form->findChild<QPushButton *>(command), Qt::LeftButton);
    }
    timer.stop();
    QCOMPARE(boxes, 1);
    const bool homePage = command == "About" && answeredBy == QMessageBox::Ok;
    QCOMPARE(launcher.urls,
             homePage ? QStringList{"http://www.velmora.example/?tq1a"} : QStringList{});
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_message_boxes.moc"
