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

namespace {

// What the open box showed, and which button answered it.
struct SeenBox
{
    QString title;
    bool hasIcon = true;
    QStringList lines;
    bool linesFit = false;
    QMessageBox::StandardButtons buttons;
    bool modalToTheWindow = false;
    int offCentre = -1;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
};

// Waits for the window's box to open, reads it as a user sees it, then answers it with a key or
// by closing it. The caller's command returns once the box is answered.
class BoxAnswerer : public QObject
{
public:
    BoxAnswerer(QWidget *window, const QString &answer)
    {
        connect(&m_timer, &QTimer::timeout, this, [this, window, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            m_timer.stop();
            seen = read(box, window);
            if (answer == QLatin1String("close"))
                box->close();
            else
                QTest::keyClick(box,
                                answer == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
            seen.answer = box->standardButton(box->clickedButton());
        });
        m_timer.start(10);
    }

    SeenBox seen;

private:
    static SeenBox read(QMessageBox *box, QWidget *window)
    {
        SeenBox seen;
        seen.title = box->windowTitle();
        seen.hasIcon = box->icon() != QMessageBox::NoIcon || !box->iconPixmap().isNull();
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        seen.lines = label->text().split(u'\n');
        seen.linesFit = label->textFormat() == Qt::PlainText &&
                        label->height() >= seen.lines.size() * label->fontMetrics().lineSpacing();
        seen.buttons = box->standardButtons();
        seen.modalToTheWindow = box->isModal() && box->parentWidget() == window;
        seen.offCentre =
            (box->frameGeometry().center() - window->frameGeometry().center()).manhattanLength();
        return seen;
    }

    QTimer m_timer;
};

const QStringList CorrectionLines{
    "Please correct the value in the fields marked in yellow and try again.",
    "Fields can include only digits."};

} // namespace

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
    QTest::addColumn<int>("lines");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("answeredBy");

    const QMessageBox::StandardButtons okOnly = QMessageBox::Ok;
    const QMessageBox::StandardButtons okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    QTest::newRow("correction, Enter") << "Command1" << "Enter" << 2 << okOnly << QMessageBox::Ok;
    QTest::newRow("correction, Escape") << "Command1" << "Escape" << 2 << okOnly << QMessageBox::Ok;
    QTest::newRow("correction, closed") << "Command1" << "close" << 2 << okOnly << QMessageBox::Ok;
    QTest::newRow("About, Enter") << "About" << "Enter" << 5 << okCancel << QMessageBox::Ok;
    QTest::newRow("About, Escape") << "About" << "Escape" << 5 << okCancel << QMessageBox::Cancel;
    QTest::newRow("About, closed") << "About" << "close" << 5 << okCancel << QMessageBox::Cancel;
    // clang-format on
}

void TestMessageBoxes::realBoxesShowAndAnswer()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(int, lines);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, answeredBy);

    DesktopMessageBoxes messages;
    RecordingLauncher launcher;
    const auto form =
        startUp({messages, launcher, QLocale(QLocale::English, QLocale::UnitedStates)});
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    // Away from the screen's edges, which a box wider than the window would otherwise meet.
    form->move(form->screen()->availableGeometry().center() - form->rect().center());

    BoxAnswerer answerer(form.get(), answer);
    if (command == QLatin1String("About")) {
        for (QAction *action : form->menuBar()->actions()) {
            if (action->objectName() == command)
                action->trigger();
        }
    } else {
        auto *rate = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
        rate->setText(QStringLiteral("0"));
        QTest::mouseClick(form->findChild<QPushButton *>(command), Qt::LeftButton);
    }

    const SeenBox &seen = answerer.seen;
    QCOMPARE(seen.title, QStringLiteral("VarnelTosk"));
    QVERIFY(!seen.hasIcon);
    QCOMPARE(seen.lines.size(), lines);
    if (lines == 2)
        QCOMPARE(seen.lines, CorrectionLines);
    else
        QCOMPARE(seen.lines.last(), QStringLiteral("Browse to Velmora home page?"));
    QVERIFY(!seen.lines.join(QString()).contains(u'\r'));
    QVERIFY(seen.linesFit);
    QCOMPARE(seen.buttons, buttons);
    QVERIFY(seen.modalToTheWindow);
    QVERIFY2(seen.offCentre <= 2, qPrintable(QString::number(seen.offCentre)));
    QCOMPARE(seen.answer, answeredBy);

    const bool opensHomePage = command == QLatin1String("About") && answeredBy == QMessageBox::Ok;
    QCOMPARE(launcher.urls,
             opensHomePage ? QStringList{"http://www.velmora.example/?tq1a"} : QStringList{});
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_message_boxes.moc"
