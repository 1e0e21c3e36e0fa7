// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "calc/payment_calculation.h"
#include "calc/payment_frequency.h"
#include "links/about_box.h"
#include "links/link_table.h"
#include "platform/services/launcher.h"
#include "platform/services/message_boxes.h"
#include "product_info.h"
#include "ui/announcer.h"
#include "ui/combo_box_accessible.h"
#include "ui/control_fit.h"
#include "ui/line_edit_accessible.h"
#include "ui/link_label.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

QString translatedCaption(const ControlDesign &design)
{
    return QCoreApplication::translate("Form1", design.text);
}

QWidget *createControl(const ControlDesign &design, QWidget *parent)
{
    QWidget *control = nullptr;
    switch (design.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(translatedCaption(design), parent);
        label->setTextFormat(Qt::PlainText);
        control = label;
        break;
    }
    case ControlKind::TextBox: {
        auto *field = new QLineEdit(QString::fromUtf8(design.text), parent);
        // Qt reports a field's caret the first time it moves: for an empty field, when it first
        // takes the focus, just before the focus itself, and Orca 43 then moves to the field
        // without announcing it. Reported now, the caret has not moved when the focus comes.
        field->setCursorPosition(int(field->text().size()));
        control = field;
        break;
    }
    case ControlKind::DropDownList:
        control = new QComboBox(parent);
        break;
    case ControlKind::PushButton: {
        auto *button = new QPushButton(translatedCaption(design), parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        control = button;
        break;
    }
    case ControlKind::LinkLabel:
        control = new LinkLabel(linkCaption(*linkOf(design.name)), parent);
        break;
    }
    control->setObjectName(design.name.toString());
    return control;
}

QRect scaled(const QRect &twips, double pixelsPerTwip)
{
    // Sizes round up so that scaling never takes a pixel from the room a text needs.
    return QRect(qRound(twips.x() * pixelsPerTwip), qRound(twips.y() * pixelsPerTwip),
                 int(std::ceil(twips.width() * pixelsPerTwip)),
                 int(std::ceil(twips.height() * pixelsPerTwip)));
}

QSize scaled(const QSize &twips, double pixelsPerTwip)
{
    return scaled(QRect(QPoint(), twips), pixelsPerTwip).size();
}

double ratio(int need, double room)
{
    return room > 0 ? need / room : 1.0;
}

// The width the menu bar needs for all its commands. Qt measures a right-to-left menu bar only
// within the width it already has; left to right the same commands need the same room.
int neededWidth(QMenuBar *menuBar)
{
    if (!menuBar->isRightToLeft())
        return menuBar->sizeHint().width();
    menuBar->setLayoutDirection(Qt::LeftToRight);
    const int width = menuBar->sizeHint().width();
    menuBar->unsetLayoutDirection();
    return width;
}

// Right to left, captions and the fields' texts keep to the right whatever their own direction:
// a number still reads left to right, but stands where the language's texts begin.
void alignToTheRight(QWidget *control)
{
    constexpr Qt::Alignment right = Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter;
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setAlignment(right);
    else if (auto *field = qobject_cast<QLineEdit *>(control))
        field->setAlignment(right);
}

} // namespace

Form1::Form1(FormServices services, QWidget *parent)
    : QMainWindow(parent)
    , m_messages(services.messages)
    , m_launcher(services.launcher)
    , m_numbers(services.locale)
    , m_errors(services.messages)
{
    setWindowTitle(ProductInfo::DisplayName.toString());
    setCentralWidget(new QWidget(this));

    LineEditAccessible::install();
    ComboBoxAccessible::install();
    createControls();
    createMenuBar();
    applyGeometry();
    applyTabOrder();
    Text1->setFocus();

    m_announcer = new Announcer(this);
    m_view = std::make_unique<FormPaymentView>(std::array{Text1, Text2, Text3}, Combo1, Text4,
                                               m_announcer);
    // Connected only now that every control holds its initial text, so building the window
    // runs no calculation.
    connectHandlers();
}

Form1::~Form1() = default;

// Qt 6.4 polishes only the window itself again when the desktop's theme changes (on Windows,
// the app mode): its controls keep the measures of the old look, and the menu bar stays a pixel
// shorter or taller than in a window started in the new theme. The controls are polished again
// and laid out for the new look, as the window would have started in it.
void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ThemeChange)
        return;
    for (QWidget *control : findChildren<QWidget *>()) {
        style()->unpolish(control);
        style()->polish(control);
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(control, &styleChange);
    }
    applyGeometry();
}

void Form1::createControls()
{
    for (std::size_t i = 0; i < WindowDesign::Controls.size(); ++i)
        m_controls[i] = createControl(WindowDesign::Controls[i], centralWidget());

    Label1 = control<QLabel>(u"Label1");
    for (int i = 0; i < int(Label2.size()); ++i)
        Label2[std::size_t(i)] = control<QLabel>(u"Label2", i);
    Label3 = control<LinkLabel>(u"Label3", Link::Label3.index);
    Label4 = control<LinkLabel>(u"Label4", Link::Label4.index);
    Text1 = control<QLineEdit>(u"Text1");
    Text2 = control<QLineEdit>(u"Text2");
    Text3 = control<QLineEdit>(u"Text3");
    Text4 = control<QLineEdit>(u"Text4");
    Combo1 = control<QComboBox>(u"Combo1");
    Command1 = control<QPushButton>(u"Command1");

    // Screen readers announce each field by the label in front of it.
    const std::array<std::pair<QLabel *, QWidget *>, 5> captions{{
        {Label1, Text1},
        {Label2[0], Text2},
        {Label2[1], Text3},
        {Label2[2], Combo1},
        {Label2[3], Text4},
    }};
    for (const auto &[label, field] : captions) {
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
}

void Form1::createMenuBar()
{
    for (const LinkDesign &link : Links) {
        if (link.place != LinkPlace::MenuBar)
            continue;
        QAction *action = menuBar()->addAction(linkCaption(link));
        action->setObjectName(link.objectName.toString());
    }
    OnlineCalc = menuBar()->findChild<QAction *>(QStringLiteral("OnlineCalc"));
    Terms = menuBar()->findChild<QAction *>(QStringLiteral("Terms"));
    About = menuBar()->findChild<QAction *>(QStringLiteral("About"));
}

// The design is in twips. At the screen's logical resolution its captions were made for a
// smaller font than most desktops use today, so the whole design is enlarged by one factor,
// just enough for every text (and the menu bar) to fit, which keeps its proportions.
void Form1::applyGeometry()
{
    const double pixelsPerTwip = screen()->logicalDotsPerInch() / WindowDesign::TwipsPerInch;

    double factor = 1.0;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        QWidget *control = m_controls[i];
        const ControlDesign &design = WindowDesign::Controls[i];
        control->ensurePolished();
        control->setGeometry(scaled(design.twips, pixelsPerTwip));

        QSize text = ControlFit::textSize(control);
        if (design.kind == ControlKind::DropDownList) {
            for (const PaymentFrequency &frequency : PaymentFrequencies)
                text = text.expandedTo(
                    control->fontMetrics().size(Qt::TextSingleLine, frequencyCaption(frequency)));
        }
        const QSize need = text + control->size() - ControlFit::textArea(control);
        factor = std::max({factor, ratio(need.width(), design.twips.width() * pixelsPerTwip),
                           ratio(need.height(), design.twips.height() * pixelsPerTwip)});
    }
    menuBar()->ensurePolished();
    factor = std::max(factor, ratio(neededWidth(menuBar()),
                                    WindowDesign::ClientAreaTwips.width() * pixelsPerTwip));

    const double scale = pixelsPerTwip * factor;
    const QRect clientArea(QPoint(), scaled(WindowDesign::ClientAreaTwips, scale));
    // Right to left the design is applied as in a mirror: labels on the right, fields and the
    // button on the left, every margin on the other side.
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        m_controls[i]->setGeometry(QStyle::visualRect(
            layoutDirection(), clientArea, scaled(WindowDesign::Controls[i].twips, scale)));
        if (isRightToLeft())
            alignToTheRight(m_controls[i]);
    }
    centralWidget()->setFixedSize(clientArea.size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::applyTabOrder()
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i]->focusPolicy() & Qt::TabFocus)
            order.push_back(i);
    }
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return WindowDesign::Controls[a].tabPosition < WindowDesign::Controls[b].tabPosition;
    });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(m_controls[order[i - 1]], m_controls[order[i]]);
}

template <typename Sender, typename Signal, typename Handler, typename... Arguments>
void Form1::connectHandler(Sender *sender, Signal signal, Handler handler, Arguments... arguments)
{
    connect(sender, signal, this, [this, handler, arguments...] {
        m_errors.run(std::bind_front(handler, this, arguments...));
    });
}

void Form1::connectHandlers()
{
    connectHandler(Text1, &QLineEdit::textChanged, &Form1::Text1_Change);
    connectHandler(Text2, &QLineEdit::textChanged, &Form1::Text2_Change);
    connectHandler(Text3, &QLineEdit::textChanged, &Form1::Text3_Change);
    // activated is the user's choice only (selecting by code runs nothing), but it also comes for
    // a pick of the entry already shown; currentIndexChanged, which comes first, tells the two
    // apart.
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { m_frequencyChanged = true; });
    connectHandler(Combo1, &QComboBox::activated, &Form1::Combo1_Click);
    // The list's own events do not tell screen readers of an entry picked with the list closed.
    m_announcer->tellKeyboardChoices(Combo1);
    connectHandler(Command1, &QPushButton::clicked, &Form1::Command1_Click);

    connectHandler(Label3, &LinkLabel::clicked, &Form1::Label3_Click, Link::Label3.index);
    connectHandler(Label4, &LinkLabel::clicked, &Form1::Label4_Click, Link::Label4.index);
    connectHandler(OnlineCalc, &QAction::triggered, &Form1::OnlineCalc_Click);
    connectHandler(Terms, &QAction::triggered, &Form1::Terms_Click);
    connectHandler(About, &QAction::triggered, &Form1::About_Click);
}

template <typename Control> Control *Form1::control(QStringView name, int index) const
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlDesign &design = WindowDesign::Controls[i];
        if (design.name == name && design.index == index)
            return qobject_cast<Control *>(m_controls[i]);
    }
    return nullptr;
}

void Form1::Form_Load()
{
    for (std::size_t i = 0; i < PaymentFrequencies.size(); ++i)
        Combo1->insertItem(int(i), frequencyCaption(PaymentFrequencies[i]));
    Combo1->setCurrentIndex(0);
    m_frequencyChanged = false;
}

void Form1::OpenBrowser(QString url)
{
    m_launcher.launch(url);
}

void Form1::CalcPayment()
{
    ::CalcPayment(*m_view, m_numbers);
}

void Form1::Text1_Change()
{
    CalcPayment();
}

void Form1::Text2_Change()
{
    CalcPayment();
}

void Form1::Text3_Change()
{
    CalcPayment();
}

void Form1::Combo1_Click()
{
    if (std::exchange(m_frequencyChanged, false))
        CalcPayment();
}

void Form1::Command1_Click()
{
    CalcPayment();
    if (Text4->text() == QString()) {
        m_messages.MsgBox(tr(WindowDesign::CorrectionMessage), MessageBoxes::OkOnly);
    }
}

void Form1::Label3_Click(int /*Index*/)
{
    OpenBrowser(linkUrl(Link::Label3));
}

void Form1::Label4_Click(int /*Index*/)
{
    OpenBrowser(linkUrl(Link::Label4));
}

void Form1::OnlineCalc_Click()
{
    OpenBrowser(linkUrl(Link::OnlineCalc));
}

void Form1::Terms_Click()
{
    OpenBrowser(linkUrl(Link::Terms));
}

void Form1::About_Click()
{
    if (AboutBox::askToBrowse(m_messages))
        OpenBrowser(linkUrl(Link::About));
}
