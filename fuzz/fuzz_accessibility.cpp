// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_input.h"

#include "screen_reader.h"
#include "window_under_test.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

// Whatever process is on the accessibility bus may ask the window's controls anything: offsets,
// ranges and texts of its choosing. This harness plays that process against the real window:
// each input is a run of requests, each to one of the fields or the frequency list (or a child
// of it), through the public accessible interfaces alone, with the window's handlers running
// between them. A request that never answers is a hang, which libFuzzer's -timeout reports.
//
// Input, read by FuzzedDataProvider: the bytes from the end choose, request after request, the
// target, the request (its place in Request) and its numbers; the texts a request writes come
// from the front, each ended by a backslash and one more character (a doubled backslash stands
// for one). The target's byte modulo 5 picks Text1, Text2, Text3, Text4 or Combo1, and the byte
// divided by 5, modulo 4, how far down its children to go (0 and 1 not at all, 2 one level, 3
// two), a byte for each level choosing the child. An offset first takes a byte saying where it
// lies: modulo 4, 0 near the end (the length plus -3 to 3), 1 near the start (-3 to 3, so -1 for
// the end and -2 for the caret), 2 anywhere (four bytes), 3 within the text; then one byte, or
// four. So the five bytes 01 03 00 01 00 ask Text1 for the word at the end of its text.
namespace {

enum class Request {
    Text,
    TextAt,
    TextBefore,
    TextAfter,
    CharacterRect,
    OffsetAtPoint,
    Selection,
    AddSelection,
    RemoveSelection,
    SetSelection,
    SetCursorPosition,
    Attributes,
    ScrollToSubstring,
    InsertText,
    DeleteText,
    ReplaceText,
    SetCurrentValue,
    DoAction,
    Describe,
    SetText,
    Count
};

constexpr std::array Boundaries{QAccessible::CharBoundary,     QAccessible::WordBoundary,
                                QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                QAccessible::LineBoundary,     QAccessible::NoBoundary};
constexpr std::array Texts{QAccessible::Name, QAccessible::Description, QAccessible::Value,
                           QAccessible::Help, QAccessible::Accelerator};
constexpr int MaxRequests = 64;
constexpr std::size_t MaxTextBytes = 256;

// What a control holds that a request can change, as the window starts and after each input.
struct ControlState
{
    QString text;
    int cursor = 0;
    QString name;
    QString description;
    QString objectName;
};

struct Harness
{
    std::unique_ptr<QApplication> application;
    std::unique_ptr<WindowUnderTest> window;
    std::array<QWidget *, 5> targets{};
    std::array<ControlState, 5> states;
    QStringList frequencies;
    QWidget *focus = nullptr;
};

// Made once and never destroyed: libFuzzer leaves by exit(), and a window destroyed after Qt's
// own globals crashes.
Harness &harness()
{
    static auto *instance = new Harness;
    return *instance;
}

// Reports a broken promise of an accessible interface and aborts, which libFuzzer records as a
// crash together with the input.
void require(bool holds, const char *promise, QAccessibleInterface *target, const QString &answer)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n  control: %s (%s)\n  answer: \"%s\"\n", promise,
                 qPrintable(target->object() ? target->object()->objectName() : QString()),
                 qPrintable(target->text(QAccessible::Name)), answer.toUtf8().constData());
    std::abort();
}

// Answers every accessibility event as a screen reader would, by asking the object it names.
void hear(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::ObjectDestroyed)
        return;
    QAccessibleInterface *about = event->accessibleInterface();
    if (!about || !about->isValid())
        return;
    (void)about->text(QAccessible::Name);
    (void)about->state();
    if (QAccessibleTextInterface *text = about->textInterface()) {
        (void)text->characterCount();
        (void)text->cursorPosition();
    }
}

// Qt warns of every offset it refuses and of every popup the offscreen platform cannot raise:
// thousands of lines a second that would bury libFuzzer's own. Only a fatal message is told.
void keepFatalMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s (%s:%d)\n", qPrintable(message), context.file ? context.file : "?",
                     context.line);
}

ControlState stateOf(QWidget *control)
{
    ControlState state{
        {}, 0, control->accessibleName(), control->accessibleDescription(), control->objectName()};
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        state.text = field->text();
        state.cursor = field->cursorPosition();
    }
    return state;
}

void startWindow()
{
    Harness &h = harness();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepFatalMessages);
    static int argc = 1;
    static char name[] = "fuzz_accessibility";
    static char *argv[] = {name, nullptr};
    h.application = std::make_unique<QApplication>(argc, argv);
    // The program's own interfaces come from its factories whether or not a screen reader runs,
    // but only a running one makes the window send its events. QAccessible::setActive() only
    // tells observers; the platform's accessibility is what Qt asks, as in the window tests.
    ScreenReader::listen(&hear, true);
    h.window = std::make_unique<WindowUnderTest>();
    if (!QTest::qWaitForWindowActive(&h.window->form))
        qFatal("the window did not become active");
    // The fields hold the payment of their initial values, as after the first keystroke.
    QLineEdit *amount = h.window->field(QStringLiteral("Text1"));
    const QString initial = amount->text();
    amount->setText(QString());
    amount->setText(initial);
    QCoreApplication::processEvents();

    int i = 0;
    for (const char *control : {"Text1", "Text2", "Text3", "Text4", "Combo1"})
        h.targets[std::size_t(i++)] = h.window->child<QWidget>(QString::fromLatin1(control));
    for (std::size_t c = 0; c < h.targets.size(); ++c)
        h.states[c] = stateOf(h.targets[c]);
    auto *list = static_cast<QComboBox *>(h.targets[4]);
    for (int row = 0; row < list->count(); ++row)
        h.frequencies << list->itemText(row);
    h.focus = QApplication::focusWidget();
}

// Puts back what the last input changed, so that each input meets the same window.
void resetWindow()
{
    Harness &h = harness();
    auto *list = static_cast<QComboBox *>(h.targets[4]);
    list->hidePopup();
    for (int row = 0; row < h.frequencies.size(); ++row) {
        if (list->itemText(row) != h.frequencies[row])
            list->setItemText(row, h.frequencies[row]);
    }
    if (list->currentIndex() != 0) {
        list->setCurrentIndex(0);
        // As the user's pick of it: the window recalculates and forgets the change.
        Q_EMIT list->activated(0);
    }
    for (std::size_t c = 0; c < h.targets.size(); ++c) {
        QWidget *control = h.targets[c];
        const ControlState &state = h.states[c];
        if (auto *field = qobject_cast<QLineEdit *>(control)) {
            if (field->text() != state.text)
                field->setText(state.text);
            if (field->cursorPosition() != state.cursor || field->hasSelectedText())
                field->setCursorPosition(state.cursor);
        }
    }
    for (std::size_t c = 0; c < h.targets.size(); ++c) {
        QWidget *control = h.targets[c];
        const ControlState &state = h.states[c];
        if (control->accessibleName() != state.name)
            control->setAccessibleName(state.name);
        if (control->accessibleDescription() != state.description)
            control->setAccessibleDescription(state.description);
        if (control->objectName() != state.objectName)
            control->setObjectName(state.objectName);
    }
    if (h.focus && QApplication::focusWidget() != h.focus)
        h.focus->setFocus();
    QCoreApplication::processEvents();
    h.window->messages.shown.clear();
    h.window->launcher.urls.clear();
}

class Requests
{
public:
    Requests(const std::uint8_t *data, std::size_t size)
        : m_input(data, size)
    {}

    bool more() { return m_input.remaining_bytes() > 0; }

    QAccessibleInterface *target()
    {
        const auto choice = m_input.ConsumeIntegral<std::uint8_t>();
        QAccessibleInterface *target =
            QAccessible::queryAccessibleInterface(harness().targets[choice % 5]);
        // Mostly the control itself, else one or two levels down.
        const int depth = std::max(0, choice / 5 % 4 - 1);
        for (int level = 0; level < depth && target; ++level) {
            const auto index = m_input.ConsumeIntegral<std::uint8_t>();
            const int children = target->childCount();
            if (children <= 0)
                break;
            target = target->child(index % children);
        }
        return target;
    }

    Request request()
    {
        return Request(m_input.ConsumeIntegralInRange<int>(0, int(Request::Count) - 1));
    }

    int offset(int length)
    {
        switch (m_input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return length + m_input.ConsumeIntegralInRange(-3, 3);
        case 1:
            return m_input.ConsumeIntegralInRange(-3, 3);
        case 2:
            return m_input.ConsumeIntegral<int>();
        default:
            return m_input.ConsumeIntegralInRange(0, std::max(length, 0));
        }
    }

    std::size_t index(std::size_t count)
    {
        return m_input.ConsumeIntegralInRange<std::size_t>(0, count - 1);
    }
    QAccessible::TextBoundaryType boundary() { return Boundaries[index(Boundaries.size())]; }
    QAccessible::Text textKind() { return Texts[index(Texts.size())]; }

    int small() { return m_input.ConsumeIntegralInRange(-2, 3); }

    QPoint point(QAccessibleTextInterface *text, int length)
    {
        if (m_input.ConsumeBool())
            return {m_input.ConsumeIntegral<int>(), m_input.ConsumeIntegral<int>()};
        const QRect place = text->characterRect(offset(length));
        return place.center() + QPoint(m_input.ConsumeIntegral<std::int8_t>(),
                                       m_input.ConsumeIntegral<std::int8_t>());
    }

    QString text()
    {
        const bool utf16 = m_input.ConsumeBool();
        return FuzzInput::toText(m_input.ConsumeRandomLengthString(MaxTextBytes), utf16);
    }

    QVariant value()
    {
        switch (m_input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            return m_input.ConsumeIntegral<int>();
        case 1:
            return m_input.ConsumeFloatingPoint<double>();
        default:
            return text();
        }
    }

private:
    FuzzedDataProvider m_input;
};

// The promise of every item query: nothing at -1, or the text between the offsets it gives.
void checkItem(QAccessibleInterface *target, QAccessibleTextInterface *text, int length,
               const QString &item, int start, int end)
{
    if (start == -1) {
        require(end == -1 && item.isEmpty(), "no item is empty, from -1 to -1", target, item);
        return;
    }
    require(0 <= start && start <= end && end <= length, "an item lies within the text", target,
            item);
    require(item == text->text(start, end), "an item is the text between its offsets", target,
            item);
}

void textRequest(Request request, Requests &input, QAccessibleInterface *target)
{
    QAccessibleTextInterface *text = target->textInterface();
    if (!text)
        return;
    const int length = text->characterCount();
    int start = -1;
    int end = -1;
    switch (request) {
    case Request::Text: {
        start = input.offset(length);
        end = input.offset(length);
        const QString part = text->text(start, end);
        const bool inside = 0 <= start && start <= end && end <= length;
        require(inside ? part.size() == end - start : part.size() <= length,
                "a range of the text is as long as the range", target, part);
        break;
    }
    case Request::TextAt:
    case Request::TextBefore:
    case Request::TextAfter: {
        const int offset = input.offset(length);
        const QAccessible::TextBoundaryType boundary = input.boundary();
        const QString item = request == Request::TextAt
                                 ? text->textAtOffset(offset, boundary, &start, &end)
                             : request == Request::TextBefore
                                 ? text->textBeforeOffset(offset, boundary, &start, &end)
                                 : text->textAfterOffset(offset, boundary, &start, &end);
        checkItem(target, text, length, item, start, end);
        break;
    }
    case Request::CharacterRect:
        (void)text->characterRect(input.offset(length));
        break;
    case Request::OffsetAtPoint:
        (void)text->offsetAtPoint(input.point(text, length));
        break;
    case Request::Selection:
        text->selection(input.small(), &start, &end);
        break;
    case Request::AddSelection:
        start = input.offset(length);
        text->addSelection(start, input.offset(length));
        break;
    case Request::RemoveSelection:
        text->removeSelection(input.small());
        break;
    case Request::SetSelection: {
        const int selection = input.small();
        start = input.offset(length);
        text->setSelection(selection, start, input.offset(length));
        break;
    }
    case Request::SetCursorPosition:
        text->setCursorPosition(input.offset(length));
        break;
    case Request::Attributes: {
        const QString attributes = text->attributes(input.offset(length), &start, &end);
        require(start == -1 ? end == -1 : 0 <= start && start <= end && end <= length,
                "a run of attributes lies within the text", target, attributes);
        break;
    }
    case Request::ScrollToSubstring:
        start = input.offset(length);
        text->scrollToSubstring(start, input.offset(length));
        break;
    default:
        break;
    }
}

void editRequest(Request request, Requests &input, QAccessibleInterface *target)
{
    QAccessibleEditableTextInterface *edit = target->editableTextInterface();
    QAccessibleTextInterface *text = target->textInterface();
    if (!edit)
        return;
    const int length = text ? text->characterCount() : int(target->text(QAccessible::Value).size());
    const int start = input.offset(length);
    switch (request) {
    case Request::InsertText:
        edit->insertText(start, input.text());
        break;
    case Request::DeleteText:
        edit->deleteText(start, input.offset(length));
        break;
    case Request::ReplaceText: {
        const int end = input.offset(length);
        edit->replaceText(start, end, input.text());
        break;
    }
    default:
        break;
    }
}

// What a screen reader asks of any object it meets.
void describe(Requests &input, QAccessibleInterface *target)
{
    (void)target->role();
    (void)target->state();
    (void)target->rect();
    for (QAccessible::Text kind : Texts)
        (void)target->text(kind);
    (void)target->relations();
    (void)target->focusChild();
    if (QAccessibleInterface *parent = target->parent())
        (void)parent->indexOfChild(target);
    const int children = target->childCount();
    for (int i = 0; i < children; ++i) {
        if (QAccessibleInterface *child = target->child(i))
            require(target->indexOfChild(child) == i, "a child is found at its index", target,
                    child->text(QAccessible::Name));
    }
    const QRect place = target->rect();
    (void)target->childAt(place.x() + input.small() * place.width() / 2,
                          place.y() + input.small() * place.height() / 2);
}

void run(Request request, Requests &input, QAccessibleInterface *target)
{
    switch (request) {
    case Request::InsertText:
    case Request::DeleteText:
    case Request::ReplaceText:
        editRequest(request, input, target);
        break;
    case Request::SetCurrentValue:
        if (QAccessibleValueInterface *value = target->valueInterface()) {
            value->setCurrentValue(input.value());
            (void)value->currentValue();
            (void)value->minimumValue();
            (void)value->maximumValue();
            (void)value->minimumStepSize();
        }
        break;
    case Request::DoAction:
        if (QAccessibleActionInterface *actions = target->actionInterface()) {
            const QStringList names = actions->actionNames();
            const std::size_t choice = input.index(std::size_t(names.size()) + 1);
            // One past the actions is a name the object does not know.
            const QString name =
                choice < std::size_t(names.size()) ? names[qsizetype(choice)] : input.text();
            (void)actions->localizedActionName(name);
            (void)actions->localizedActionDescription(name);
            (void)actions->keyBindingsForAction(name);
            actions->doAction(name);
        }
        break;
    case Request::Describe:
        describe(input, target);
        break;
    case Request::SetText: {
        const QAccessible::Text kind = input.textKind();
        target->setText(kind, input.text());
        break;
    }
    default:
        textRequest(request, input, target);
        break;
    }
}

// What must hold of any text object between requests, whatever they did.
void checkText(QAccessibleInterface *target)
{
    QAccessibleTextInterface *text = target->textInterface();
    if (!text)
        return;
    const int length = text->characterCount();
    const QString whole = text->text(0, length);
    require(whole.size() == length, "the whole text is as long as its count", target, whole);
    const int cursor = text->cursorPosition();
    require(0 <= cursor && cursor <= length, "the caret lies within the text", target, whole);
    for (int i = 0; i < text->selectionCount(); ++i) {
        int start = -1;
        int end = -1;
        text->selection(i, &start, &end);
        require(0 <= start && start <= end && end <= length, "a selection lies within the text",
                target, whole);
    }
}

} // namespace

// Fontconfig's cache, which Qt keeps until the process ends, is no leak of the window's.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char *** /*argv*/)
{
    startWindow();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Requests input(data, size);
    for (int count = 0; count < MaxRequests && input.more(); ++count) {
        QAccessibleInterface *target = input.target();
        const Request request = input.request();
        if (!target || !target->isValid())
            continue;
        run(request, input, target);
        QCoreApplication::processEvents();
        // Asked afresh: the request may have replaced what the old interface stood for.
        for (QWidget *control : harness().targets)
            checkText(QAccessible::queryAccessibleInterface(control));
    }
    require(harness().window->watchdog.closedModals() == 0 && !QApplication::activeModalWidget(),
            "no request opens a modal window",
            QAccessible::queryAccessibleInterface(&harness().window->form), QString());
    resetWindow();
    return 0;
}
