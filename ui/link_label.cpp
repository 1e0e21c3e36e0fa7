// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_label.h"

#include "ui/contrast.h"
#include "ui/hand_cursor.h"
#include "ui/window_design.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace {

// What screen readers see of a link label: a link named by its caption, which they can press
// although it never takes the keyboard focus.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            label()->click();
    }

    QStringList keyBindingsForAction(const QString & /*action*/) const override { return {}; }

private:
    LinkLabel *label() const { return static_cast<LinkLabel *>(widget()); }
};

QAccessibleInterface *accessibleLinkLabel(const QString &className, QObject *object)
{
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()) && object)
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleLinkLabel);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);

    QFont linkFont(WindowDesign::LinkFontFamily.toString());
    // Letters the design's font lacks come from the application's fonts, as in the other captions.
    linkFont.setFamilies(QStringList{WindowDesign::LinkFontFamily.toString()} +
                         QApplication::font().families());
    linkFont.setPointSizeF(WindowDesign::LinkFontPointSize);
    linkFont.setWeight(QFont::Normal);
    linkFont.setUnderline(true);
    // Windows keeps "MS Sans Serif" as a bitmap font, which Qt 6.8 offers too: it has none of the
    // letters of most languages, and Qt's choice of another font for those sees none missing.
    linkFont.setStyleStrategy(QFont::ForceOutline);
    setFont(linkFont);

    applyLinkColour();
    applyCursor();
}

void LinkLabel::click()
{
    Q_EMIT clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void LinkLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // A new theme, or a new palette of the window around the label, may need another colour.
    // Setting it changes the palette once more, but then the colour is already right.
    if (event->type() == QEvent::PaletteChange)
        applyLinkColour();
}

void LinkLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    applyCursor();
    // Moved to a screen of another density, the window needs the hand of that size.
    if (!m_followsScreen && window()->windowHandle()) {
        connect(window()->windowHandle(), &QWindow::screenChanged, this, &LinkLabel::applyCursor);
        m_followsScreen = true;
    }
}

// The label draws no background of its own: its caption stands on the window behind it.
void LinkLabel::applyLinkColour()
{
    const QPalette &theme = parentWidget() ? parentWidget()->palette() : QApplication::palette();
    const QColor colour = Contrast::linkColour(theme);
    if (palette().isBrushSet(QPalette::Active, QPalette::WindowText) &&
        palette().color(QPalette::WindowText) == colour)
        return;
    QPalette linkPalette;
    linkPalette.setColor(QPalette::WindowText, colour);
    setPalette(linkPalette);
}

void LinkLabel::applyCursor()
{
    setCursor(handCursor(screen()->devicePixelRatio()));
}
