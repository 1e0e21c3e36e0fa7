// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data flows one way through the window: the text of an input field -> the number services
// (NumberFormat, which reads it under the user's locale) -> the payment calculation -> its view
// of this window (FormPaymentView) -> the field colours and the result field. A link label or
// menu command runs its handler with its row of the link table (Links); the handler, and the
// About box for its command, go to OpenBrowser -> the launching service -> the user's browser.
// Every handler runs through one ErrorReporter, so no error escapes into the event loop.

#include "platform/numbers/number_format.h"
#include "platform/services/error_reporter.h"
#include "ui/form_payment_view.h"
#include "ui/window_design.h"

#include <QLocale>
#include <QMainWindow>

#include <array>
#include <memory>

class Launcher;
class LinkLabel;
class MessageBoxes;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the window needs from its platform; tests pass fakes and a pinned locale.
struct FormServices
{
    MessageBoxes &messages;
    Launcher &launcher;
    QLocale locale = QLocale::system();
};

class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(FormServices services, QWidget *parent = nullptr);
    ~Form1() override;

    // Fills the frequency list and selects "Monthly"; computes nothing.
    void Form_Load();

    void OpenBrowser(QString url);

protected:
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Combo1_Click();
    void Command1_Click();

private:
    // The link handlers, each named after its control or command; each opens its row's page.
    void Label3_Click(const LinkDesign &link);
    void Label4_Click(const LinkDesign &link);
    void OnlineCalc_Click(const LinkDesign &link);
    void Terms_Click(const LinkDesign &link);
    void About_Click(const LinkDesign &link);

    using LinkHandler = void (Form1::*)(const LinkDesign &);
    struct NamedLinkHandler
    {
        QStringView objectName;
        LinkHandler handler;
    };
    // The link handlers in the order of the link table's rows.
    static constexpr std::array<NamedLinkHandler, Links.size()> linkHandlers();

    void CalcPayment();

    void createControls();
    void createMenuBar();
    void applyGeometry();
    void applyTabOrder();
    void connectHandlers();
    void connectLinks();
    template <typename Signal, typename Sender, typename Handler>
    void connectHandler(Sender *sender, Signal signal, Handler handler);
    template <typename Control> Control *control(QStringView name, int index = -1) const;

    MessageBoxes &m_messages;
    Launcher &m_launcher;
    NumberFormat m_numbers;
    ErrorReporter m_errors;
    std::array<QWidget *, WindowDesign::Controls.size()> m_controls{};

    QLabel *Label1 = nullptr;
    std::array<QLabel *, 4> Label2{};
    LinkLabel *Label3 = nullptr;
    LinkLabel *Label4 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
    QAction *OnlineCalc = nullptr;
    QAction *Terms = nullptr;
    QAction *About = nullptr;

    std::unique_ptr<FormPaymentView> m_view;
};
