#include "keyboard_rules.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

// An Alt combination, not AltGr: that one comes as Ctrl+Alt on Windows and
// as a group switch on X11, and types the characters of the keyboard's
// third level.
bool IsAltCombination(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    return (modifiers & Qt::AltModifier) && !(modifiers & (Qt::ControlModifier | Qt::GroupSwitchModifier));
}

bool IsEnter(const QKeyEvent &key)
{
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class KeyboardRules : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (auto *button = qobject_cast<QPushButton *>(watched)) {
            if (!IsEnter(key))
                return false;
            button->click();
            return true;
        }
        // A text box: the combination goes nowhere, so it types nothing.
        return IsAltCombination(key) && !key.text().isEmpty();
    }
};

}  // namespace

void InstallKeyboardRules(QWidget &page)
{
    auto *rules = new KeyboardRules(&page);
    for (QWidget *widget : page.findChildren<QWidget *>())
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget)
            || qobject_cast<QPushButton *>(widget))
            widget->installEventFilter(rules);
}

void InstallEscapeButton(QWidget &page, QAbstractButton &returnButton)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), &page);
    QObject::connect(escape, &QShortcut::activated, &returnButton, &QAbstractButton::click);
}
