#include "fakes.h"
#include "links/about_box.h"

#include <QTest>

class TestLinkTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aboutBoxNamesTheProduct();
    void aboutBoxOffersTheHomePage_data();
    void aboutBoxOffersTheHomePage();
};

void TestLinkTable::aboutBoxNamesTheProduct()
{
    const QString prompt = AboutBox::prompt();
    const QStringList lines = prompt.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QStringLiteral("Varnel Tosk 1.0"));
    QCOMPARE(lines[1], QStringLiteral("By Velmora Software"));
    QCOMPARE(lines[2], QStringLiteral("Copyright \u00A9 2026 Velmora Software"));
    QCOMPARE(lines[3], QString());
    QCOMPARE(lines[4], QStringLiteral("Browse to Velmora home page?"));
    // No stray line feeds or carriage returns besides the four separators.
    QCOMPARE(prompt.count(u'\n'), 4);
    QCOMPARE(prompt.count(u'\r'), 4);
}

void TestLinkTable::aboutBoxOffersTheHomePage_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("browse");

    QTest::newRow("OK") << int(MessageBoxes::Ok) << true;
    QTest::newRow("Cancel or closed") << int(MessageBoxes::Cancel) << false;
}

void TestLinkTable::aboutBoxOffersTheHomePage()
{
    QFETCH(int, answer);
    QFETCH(bool, browse);

    RecordingMessageBoxes messages;
    messages.answer = MessageBoxes::Result(answer);
    QCOMPARE(AboutBox::askToBrowse(messages), browse);
    QCOMPARE(messages.prompts(), QStringList{AboutBox::prompt()});
    QCOMPARE(messages.shown[0].style, MessageBoxes::OkCancel);
}

QTEST_APPLESS_MAIN(TestLinkTable)
#include "tst_link_table.moc"
