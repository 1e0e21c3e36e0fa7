#include "links/link_table.h"
#include "ui/link_label.h"
#include "window_under_test.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QColor Yellow(255, 255, 0);
constexpr qsizetype Megabyte = 1024 * 1024;

// Replaces the whole text of a line edit with the given one, as Ctrl+V over a selection does;
// returns how long the paste keystroke took, handlers included, in milliseconds.
qint64 pasteInto(QLineEdit *edit, const QString &text)
{
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    edit->selectAll();
    QElapsedTimer timer;
    timer.start();
    QTest::keySequence(edit, QKeySequence::Paste);
    return timer.elapsed();
}

} // namespace

// The window under input no user means to give, and under errors it cannot avoid: it stays
// quick, judges what it was given, reports each error and goes on.
class TestWindowResilience : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void megabytePasteIsJudgedQuickly_data();
    void megabytePasteIsJudgedQuickly();
    void launchFailureAndArithmeticFaultAreBothReported();

private:
    QLineEdit *field(const QString &name) const { return m_window->child<QLineEdit>(name); }
    bool isMarked(const QString &name) const
    {
        return field(name)->palette().color(QPalette::Base) == Yellow;
    }
    qint64 paste(const QString &name, const QString &text) { return pasteInto(field(name), text); }

    std::unique_ptr<WindowUnderTest> m_window;
};

void TestWindowResilience::init()
{
    m_window = std::make_unique<WindowUnderTest>();
    QVERIFY(QTest::qWaitForWindowActive(&m_window->form));
}

void TestWindowResilience::cleanup()
{
    QCOMPARE(m_window->watchdog.closedModals(), 0);
    m_window.reset();
}

void TestWindowResilience::megabytePasteIsJudgedQuickly_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("unit");

    // A column of amounts copied by mistake, a run of digits too long for any double, and
    // digits of a script the locale does not read.
    QTest::newRow("amounts into the amount") << "Text1"
                                             << "250,000.00 ";
    QTest::newRow("digits into the rate") << "Text2"
                                          << "1234567890";
    QTest::newRow("Arabic-Indic digits into the term")
        << "Text3" << QStringLiteral("\u0661\u0662\u0663");
}

void TestWindowResilience::megabytePasteIsJudgedQuickly()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, unit);

    const QString pasted = unit.repeated(Megabyte / unit.size());
    // What the same paste costs a line edit that computes nothing: Qt's own share, several times
    // larger under the sanitizers than in a normal build.
    QLineEdit plain;
    plain.show();
    const qint64 plainTime = pasteInto(&plain, pasted);
    const qint64 windowTime = paste(fieldName, pasted);
    qInfo("a paste of %lld code units: %lld ms into the window, %lld ms into a plain line edit",
          qlonglong(pasted.size()), qlonglong(windowTime), qlonglong(plainTime));

    // The window's own share, judging the field and recalculating.
    QVERIFY2(windowTime - plainTime < 200, qPrintable(QString::number(windowTime - plainTime)));
    QVERIFY(!field(fieldName)->text().isEmpty());
    QVERIFY(pasted.startsWith(field(fieldName)->text()));
    QVERIFY(isMarked(fieldName));
    QCOMPARE(field("Text4")->text(), QString());
    QVERIFY(m_window->messages.shown.isEmpty());

    // The window goes on as before.
    paste(fieldName, fieldName == "Text1" ? "250000" : fieldName == "Text2" ? "5" : "25");
    QVERIFY(!isMarked(fieldName));
    QCOMPARE(field("Text4")->text(), QStringLiteral("1,461.00"));
}

void TestWindowResilience::launchFailureAndArithmeticFaultAreBothReported()
{
    const QString url = LinkUrl(Link::MakerName);
    m_window->launcher.fails = true;
    auto *label = m_window->child<LinkLabel>("Label3");
    QTest::mouseClick(label, Qt::LeftButton, {}, label->textRect().center());

    // A term too long for a double: the periods overflow.
    paste("Text3", "1e308");

    QCOMPARE(m_window->messages.prompts(),
             QStringList({"Run-time error: Cannot open " + url, "Run-time error: Overflow"}));
    QVERIFY(m_window->form.isVisible());

    // Both errors are behind it: the window computes and launches again.
    paste("Text3", "25");
    QCOMPARE(field("Text4")->text(), QStringLiteral("1,461.00"));
    m_window->launcher.fails = false;
    QTest::mouseClick(label, Qt::LeftButton, {}, label->textRect().center());
    QCOMPARE(m_window->launcher.urls, QStringList{url});
    QTest::mouseClick(m_window->child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(field("Text4")->text(), QStringLiteral("1,461.00"));
    QCOMPARE(m_window->messages.shown.size(), 2);
}

QTEST_MAIN(TestWindowResilience)
#include "tst_window_resilience.moc"
