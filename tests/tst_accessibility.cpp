// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader.h"
#include "ui/link_label.h"
#include "window_under_test.h"

#include <QTest>

#include <memory>

namespace {

const QString NeedsNumber = QStringLiteral("Needs a number");
const QString NeedsNonZero = QStringLiteral("Needs a number other than zero");

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void markedFieldTellsWhatItNeeds_data();
    void markedFieldTellsWhatItNeeds();
    void resultReachesScreenReaders();
    void linkLabelIsALinkWithAnAction_data();
    void linkLabelIsALinkWithAnAction();

private:
    std::unique_ptr<ScreenReader> m_reader;
    std::unique_ptr<WindowUnderTest> m_window;
};

void TestAccessibility::init()
{
    m_reader = std::make_unique<ScreenReader>();
    m_window = std::make_unique<WindowUnderTest>();
    QVERIFY(QTest::qWaitForWindowActive(&m_window->form));
    ScreenReader::forget();
}

void TestAccessibility::cleanup()
{
    QCOMPARE(m_window->watchdog.closedModals(), 0);
    m_window.reset();
    m_reader.reset();
}

void TestAccessibility::markedFieldTellsWhatItNeeds_data()
{
    // clang-format off
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("worse");
    QTest::addColumn<QString>("need");
    QTest::addColumn<QString>("good");

    QTest::newRow("amount in words") << "Text1" << "many" << "many more" << NeedsNumber << "1000";
    QTest::newRow("zero rate") << "Text2" << "0" << "0.0" << NeedsNonZero << "5";
    QTest::newRow("empty term") << "Text3" << "" << "-" << NeedsNonZero << "25";
    // clang-format on
}

void TestAccessibility::markedFieldTellsWhatItNeeds()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, bad);
    QFETCH(QString, worse);
    QFETCH(QString, need);
    QFETCH(QString, good);

    QLineEdit *field = m_window->field(fieldName);

    m_window->typeOver(fieldName, bad);
    QVERIFY(m_window->isMarked(fieldName));
    QCOMPARE(ScreenReader::read(field)->text(QAccessible::Description), need);
    QCOMPARE(ScreenReader::count(field, QAccessible::DescriptionChanged), 1);
    for (const char *other : {"Text1", "Text2", "Text3"}) {
        if (other != fieldName)
            QCOMPARE(ScreenReader::read(m_window->field(other))->text(QAccessible::Description),
                     QString());
    }

    // Still wrong after another keystroke: nothing new to announce.
    m_window->typeOver(fieldName, worse);
    QCOMPARE(ScreenReader::count(field, QAccessible::DescriptionChanged), 1);

    m_window->typeOver(fieldName, good);
    QVERIFY(!m_window->isMarked(fieldName));
    QCOMPARE(ScreenReader::read(field)->text(QAccessible::Description), QString());
    QCOMPARE(ScreenReader::count(field, QAccessible::DescriptionChanged), 2);
}

void TestAccessibility::resultReachesScreenReaders()
{
    QLineEdit *result = m_window->field("Text4");
    for (const auto &[rate, shown] : {std::pair{"6", "1,611.00"}, {"7", "1,767.00"}, {"x", ""}}) {
        m_window->typeOver("Text2", rate);
        QCOMPARE(result->text(), QString::fromUtf8(shown));
        QCOMPARE(ScreenReader::lastText(result), QString::fromUtf8(shown));
    }
}

void TestAccessibility::linkLabelIsALinkWithAnAction_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("url");

    QTest::newRow("maker's name") << "Label3" << "Velmora Software"
        << "http://www.velmora.example/?tq1l1";
    QTest::newRow("discounted mortgage") << "Label4" << "Get discounted mortgage"
        << "http://www.velmora.example/?tq1l2";
    // clang-format on
}

void TestAccessibility::linkLabelIsALinkWithAnAction()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, url);

    QAccessibleInterface *link = ScreenReader::read(m_window->child<LinkLabel>(name));
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), caption);
    QVERIFY(!link->state().focusable);
    QVERIFY(link->actionInterface());
    QCOMPARE(link->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});

    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_window->launcher.urls, QStringList{url});
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
