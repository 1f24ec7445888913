#pragma once

#include <QString>
#include <QValidator>
#include <functional>

class QLineEdit;
class QWidget;

// Keeps typing within what the unit can hold. A change that leaves the box
// holding a value that fits is taken; a change that does not fit is refused,
// unless it shortens the text. A value the program sets (one loaded from the
// store) is shown whole even when it does not fit, and can be mended step by
// step; the validation of the write names it.
class TypingLimit : public QValidator
{
    Q_OBJECT

public:
    using Fits = std::function<bool(const QString &)>;

    // Installs itself on the box.
    TypingLimit(QLineEdit *box, Fits fits);

    State validate(QString &input, int &pos) const override;

private:
    const QLineEdit *m_box;
    Fits m_fits;
    QString m_previous;  // the box's text before the change under validation
};

// A one-line box named `name` that takes at most maxLength characters.
QLineEdit *TextBox(const QString &name, int maxLength, QWidget *parent = nullptr);
// A one-line box for a phone number: at most sixteen digits 0-9, half- or
// full-width. Blanks, hyphens, dots and parentheses go in freely, and so does
// anything else ("+86", a letter), for the write's validation to refuse.
QLineEdit *PhoneNumberBox(const QString &name, QWidget *parent = nullptr);
