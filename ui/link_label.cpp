#include "link_label.h"

#include "ui/hand_cursor.h"
#include "ui/window_design.h"

#include <QMouseEvent>
#include <QStyle>

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);

    QFont linkFont(WindowDesign::LinkFontFamily.toString());
    linkFont.setPointSizeF(WindowDesign::LinkFontPointSize);
    linkFont.setWeight(QFont::Normal);
    linkFont.setUnderline(true);
    setFont(linkFont);

    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(linkPalette);

    setCursor(handCursor());
}

QRect LinkLabel::textRect() const
{
    const QSize size = fontMetrics().size(Qt::TextSingleLine, text());
    return QStyle::alignedRect(layoutDirection(), alignment(), size, contentsRect());
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnText =
        event->button() == Qt::LeftButton && textRect().contains(event->position().toPoint());
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedOnText && event->button() == Qt::LeftButton &&
                       textRect().contains(event->position().toPoint());
    m_pressedOnText = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}
