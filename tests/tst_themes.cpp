// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_under_test.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(QPalette)

namespace {

// WCAG 2 relative luminance and contrast ratio, written out from the definition.
double luminance(QRgb pixel)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
           0.0722 * channel(qBlue(pixel));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colours a user sees in a control: its background is the commonest colour inside its frame,
// its text the pixel that stands out most from that background (the core of a stroke, where
// anti-aliasing leaves the text colour unmixed).
struct Seen
{
    QRgb background;
    QRgb text;
    double ratio() const { return contrast(background, text); }
};

Seen seenIn(QWidget *control, int frame)
{
    QWidget *window = control->window();
    const QRect place(control->mapTo(window, QPoint()), control->size());
    const QImage image = window->grab(place.adjusted(frame, frame, -frame, -frame))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    Seen seen{0, 0};
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            seen.background = it.key();
        }
    }
    double best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (contrast(seen.background, it.key()) > best) {
            best = contrast(seen.background, it.key());
            seen.text = it.key();
        }
    }
    return seen;
}

QPalette darkPalette()
{
    // A dark Fusion palette as many desktops set it, link colour included.
    QPalette dark = QApplication::style()->standardPalette();
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

QPalette highContrastPalette()
{
    // Black and white, links in yellow, as high-contrast desktop themes have them.
    QPalette contrast = QApplication::style()->standardPalette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        contrast.setColor(role, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        contrast.setColor(role, Qt::white);
    contrast.setColor(QPalette::Link, QColor(0xff, 0xff, 0x00));
    contrast.setColor(QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
    contrast.setColor(QPalette::HighlightedText, Qt::black);
    return contrast;
}

} // namespace

class TestThemes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void everyTextIsReadable_data();
    void everyTextIsReadable();
};

void TestThemes::initTestCase()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void TestThemes::cleanup()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void TestThemes::everyTextIsReadable_data()
{
    // clang-format off
    QTest::addColumn<QPalette>("theme");
    QTest::addColumn<bool>("blueLinks");

    QTest::newRow("Fusion light") << QApplication::style()->standardPalette() << true;
    QTest::newRow("dark") << darkPalette() << false;
    QTest::newRow("high contrast") << highContrastPalette() << false;
    // clang-format on
}

void TestThemes::everyTextIsReadable()
{
    QFETCH(QPalette, theme);
    QFETCH(bool, blueLinks);

    // The theme changes while the window is open, with a field marked.
    WindowUnderTest window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    window.typeOver("Text2", "Nil");
    window.field("Text2")->clearFocus();
    QApplication::setPalette(theme);
    QCoreApplication::processEvents();

    const int fieldFrame = 4;
    const Seen normal = seenIn(window.field("Text1"), fieldFrame);
    const Seen marked = seenIn(window.field("Text2"), fieldFrame);
    QCOMPARE(QColor(normal.background), theme.color(QPalette::Base));
    QCOMPARE(QColor(marked.background), QColor(255, 255, 0));
    qInfo("field text: normal %.2f:1 (%s on %s), marked %.2f:1 (%s on %s)", normal.ratio(),
          qPrintable(QColor(normal.text).name()), qPrintable(QColor(normal.background).name()),
          marked.ratio(), qPrintable(QColor(marked.text).name()),
          qPrintable(QColor(marked.background).name()));
    QVERIFY(normal.ratio() >= 4.5);
    QVERIFY(marked.ratio() >= 4.5);

    for (const char *name : {"Label3", "Label4"}) {
        const Seen link = seenIn(window.child<QLabel>(name), 0);
        qInfo("%s caption: %.2f:1 (%s on %s)", name, link.ratio(),
              qPrintable(QColor(link.text).name()), qPrintable(QColor(link.background).name()));
        QCOMPARE(QColor(link.background), theme.color(QPalette::Window));
        QVERIFY(link.ratio() >= 4.5);
        QCOMPARE(QColor(link.text) == QColor(0, 0, 255), blueLinks);
    }
}

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
