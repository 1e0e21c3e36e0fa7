// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data flows one way through the window: the text of an input field -> the number services
// (NumberFormat, which reads it under the user's locale) -> the payment calculation -> its view
// of this window (FormPaymentView) -> the field colours and the result field. A link label or
// menu command runs its handler, which names its row of the link table (Link::); the handler,
// and the About box for its command, go to OpenBrowser -> the launching service -> the browser.
// Every handler runs through one ErrorReporter, so no error escapes into the event loop.

#include "platform/numbers/number_format.h"
#include "platform/services/error_reporter.h"
#include "ui/form_payment_view.h"
#include "ui/window_design.h"

#include <QLocale>
#include <QMainWindow>

#include <array>
#include <memory>

class Announcer;
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

private:
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Combo1_Click();
    void Command1_Click();
    // The link labels are positions 0 and 1 of their control arrays; the position is not used.
    void Label3_Click(int Index);
    void Label4_Click(int Index);
    void OnlineCalc_Click();
    void Terms_Click();
    void About_Click();

    void CalcPayment();

    void createControls();
    void createMenuBar();
    void applyGeometry();
    void applyTabOrder();
    void connectHandlers();
    template <typename Sender, typename Signal, typename Handler, typename... Arguments>
    void connectHandler(Sender *sender, Signal signal, Handler handler, Arguments... arguments);
    template <typename Control> Control *control(QStringView name, int index = -1) const;

    MessageBoxes &m_messages;
    Launcher &m_launcher;
    NumberFormat m_numbers;
    ErrorReporter m_errors;
    std::array<QWidget *, WindowDesign::Controls.size()> m_controls{};
    bool m_frequencyChanged = false;

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
    Announcer *m_announcer = nullptr;

    std::unique_ptr<FormPaymentView> m_view;
};
