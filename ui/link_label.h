#pragma once

#include <QLabel>

// A label that looks and acts like a web link: blue, underlined, a pointing hand over it, and a
// click on its text (pressed and released there with the left button) emits clicked().
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    // Where the text is drawn, inside the label.
    QRect textRect() const;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressedOnText = false;
};
