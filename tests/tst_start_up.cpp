// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_under_test.h"

#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <vector>

// Each test makes the application it needs, as the program does.
class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void qtOptionsChangeNothing_data();
    void qtOptionsChangeNothing();
    void startsWhereQtHasADisplay_data();
    void startsWhereQtHasADisplay();

private:
    QTemporaryDir m_folder;
};

void TestStartUp::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QFile sheet(m_folder.filePath("red.qss"));
    QVERIFY(sheet.open(QIODevice::WriteOnly));
    sheet.write("* { background: red; color: red; }");
}

void TestStartUp::qtOptionsChangeNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("-reverse") << QStringList{"-reverse"};
    QTest::newRow("-stylesheet") << QStringList{"-stylesheet", m_folder.filePath("red.qss")};
    QTest::newRow("-qwindowtitle") << QStringList{"-qwindowtitle", "X"};
}

// Started with an option Qt programs take, the program shows the window of its design all the
// same: left to right, under its own caption, in the desktop's colours.
void TestStartUp::qtOptionsChangeNothing()
{
    QFETCH(QStringList, options);
    std::vector<QByteArray> texts{"varneltosk"};
    for (const QString &option : options)
        texts.push_back(option.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    const Application application(int(texts.size()), argv.data());
    const WindowUnderTest window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));

    QCOMPARE(window.form.windowHandle()->title(), QStringLiteral("Varnel Tosk"));
    QCOMPARE(window.form.layoutDirection(), Qt::LeftToRight);
    for (const QLabel *caption : window.form.findChildren<QLabel *>()) {
        if (const QWidget *field = caption->buddy())
            QVERIFY2(caption->geometry().right() < field->geometry().left(),
                     qPrintable(field->objectName()));
    }
    const QImage picture = window.form.grab().toImage();
    int red = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            red += picture.pixelColor(x, y) == QColor(Qt::red);
    }
    QCOMPARE(red, 0);
}

void TestStartUp::startsWhereQtHasADisplay_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("refusal");

    const QString line = "varneltosk: no display to show the window on (%1).\n";
    QTest::newRow("no desktop") << QStringList{} << line.arg("DISPLAY is not set");
    QTest::newRow("X11 asked for")
        << QStringList{"QT_QPA_PLATFORM=xcb"} << line.arg("DISPLAY is not set");
    QTest::newRow("Wayland desktop") << QStringList{"XDG_SESSION_TYPE=wayland"}
                                     << line.arg("neither WAYLAND_DISPLAY nor DISPLAY is set");
    QTest::newRow("offscreen") << QStringList{"QT_QPA_PLATFORM=offscreen"} << QString();
    QTest::newRow("X11, else offscreen")
        << QStringList{"QT_QPA_PLATFORM=xcb;offscreen"} << QString();
}

// The real program, started without a desktop: it says so in one line where Qt would find no
// display, and starts where Qt is asked for a platform that needs none.
void TestStartUp::startsWhereQtHasADisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QFETCH(QStringList, environment);
    QFETCH(QString, refusal);

    int argc = 1;
    char name[] = "tst_start_up";
    char *argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char *display :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        variables.remove(display);
    // A folder without Wayland's default socket.
    variables.insert("XDG_RUNTIME_DIR", m_folder.path());
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));

    QProcess program;
    program.setProcessEnvironment(variables);
    program.start(VARNELTOSK_EXECUTABLE, QStringList());
    QVERIFY(program.waitForStarted());
    if (refusal.isEmpty()) {
        // Qt gives up on a platform at once; the window lives on.
        QVERIFY2(!program.waitForFinished(3000), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
    } else {
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), refusal);
    }
#else
    QSKIP("Qt finds its display itself here");
#endif
}

QTEST_APPLESS_MAIN(TestStartUp)
#include "tst_start_up.moc"
