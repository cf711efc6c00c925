// The on-screen keyboard in the browser. Qt keeps one hidden text input on the page and
// gives it the page's focus whenever the focus moves in the program, to a button as much
// as to a field: on a tablet every tap on a button would raise the keyboard over the
// window. Qt's windows also have a canvas that takes the page's focus without asking for
// any keyboard, and the physical keys pressed there reach the program just the same.
// So: the hidden input holds the page's focus only while a field that takes text has the
// program's, and tells the on-screen keyboard what the field takes; everywhere else the
// canvas holds it.
#include "toolkit/platform/windowing.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QWidget>
#include <QWindow>
#include <emscripten/val.h>
#include <qpa/qplatformwindow.h>
#include <string>

namespace pizarrin {

namespace {

using emscripten::val;

// Qt's hidden input, which Qt marks with the input context it belongs to.
val hiddenInput()
{
    const val inputs
        = val::global("document")["body"].call<val>("querySelectorAll", std::string("input"));
    const int count = inputs["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        val input = inputs.call<val>("item", i);
        if (!input["data-qinputcontext"].isUndefined())
            return input;
    }
    return val::null();
}

bool takesText(const QWidget& widget)
{
    const auto* field = qobject_cast<const QLineEdit*>(&widget);
    return field && field->isEnabled() && !field->isReadOnly();
}

// What the on-screen keyboard offers (the HTML inputmode): a number pad for a field that
// takes digits only, letters for any other.
std::string keyboardFor(const QWidget& field)
{
    const Qt::InputMethodHints digits = Qt::ImhDigitsOnly | Qt::ImhFormattedNumbersOnly;
    return (field.inputMethodHints() & digits) ? "numeric" : "text";
}

void offerKeyboard(const QWidget& field)
{
    val input = hiddenInput();
    if (input.isNull())
        return;
    const std::string wanted = keyboardFor(field);
    if (input["inputMode"].as<std::string>() == wanted)
        return;
    input.set("inputMode", wanted);
    // A keyboard already up reads the input's mode again only when it takes the focus anew.
    if (input == val::global("document")["activeElement"]) {
        input.call<void>("blur");
        input.call<void>("focus");
    }
}

void putKeyboardAway(const QWidget& widget)
{
    val input = hiddenInput();
    if (input.isNull() || !(input == val::global("document")["activeElement"]))
        return;
    input.call<void>("blur");
    // The canvas that Qt registers for each window under this name. A window not yet on
    // the page has none, and asking for its id would put it there.
    const QWindow* window = widget.window()->windowHandle();
    if (!window || !window->handle())
        return;
    const std::string name = "!qtwindow" + std::to_string(window->handle()->winId());
    val canvas = val::module_property("specialHTMLTargets")[name];
    if (!canvas.isUndefined() && !canvas.isNull()) {
        val options = val::object();
        options.set("preventScroll", true);
        canvas.call<void>("focus", options);
    }
}

class KeyboardForTyping : public QObject {
public:
    explicit KeyboardForTyping(QApplication& app)
        : QObject(&app)
    {
        app.installEventFilter(this);
        connect(&app, &QGuiApplication::focusObjectChanged, this, [](QObject* object) {
            const auto* widget = qobject_cast<const QWidget*>(object);
            if (!widget)
                return; // nothing has the focus: Qt itself lets the input go
            if (takesText(*widget))
                offerKeyboard(*widget);
            else
                putKeyboardAway(*widget);
        });
    }

protected:
    // A tap or a click on anything but a field puts the keyboard away, even where the
    // focus stays in a cell (a label, the list, the page's free surface).
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin) {
            const auto* widget = qobject_cast<const QWidget*>(receiver);
            if (widget && !takesText(*widget))
                putKeyboardAway(*widget);
        }
        return false;
    }
};

} // namespace

void keepKeyboardForTyping(QApplication& app)
{
    new KeyboardForTyping(app); // the application owns it
}

} // namespace pizarrin
