#pragma once

#include <QString>
#include <QValidator>
#include <functional>

class QLineEdit;
class QWidget;

// Keeps typing within what the unit can hold, on one line. A change that
// leaves the box holding a value that fits is taken. Of a change that does
// not fit (a long paste, or one with a line break, which never fits), the
// longest start of the inserted text that fits is taken and the rest left
// out, which the box's tooltip then tells; a change that cannot fit at all is
// refused, unless it shortens the text. A value the program sets (one
// loaded from the store) is shown whole even when it does not fit, and can be
// mended step by step; the validation of the write names it.
class TypingLimit : public QValidator
{
    Q_OBJECT

public:
    using Fits = std::function<bool(const QString &)>;

    // Installs itself on the box.
    TypingLimit(QLineEdit *box, Fits fits);

    State validate(QString &input, int &pos) const override;

private:
    void textChanged(const QString &text);

    QLineEdit *m_box;
    Fits m_fits;
    QString m_previous;  // the box's text before the change under validation
    // A change cut down by validate(): the text it leaves and what it left out.
    mutable QString m_cutText;
    mutable int m_cutCharacters = 0;
};

// A one-line box named `name` that takes at most maxLength characters.
QLineEdit *TextBox(const QString &name, int maxLength, QWidget *parent = nullptr);
// A one-line box for a phone number: at most sixteen digits 0-9, half- or
// full-width. Blanks, hyphens, dots and parentheses go in freely, and so does
// anything else ("+86", a letter), for the write's validation to refuse.
QLineEdit *PhoneNumberBox(const QString &name, QWidget *parent = nullptr);

// The limit a box made by TextBox() or PhoneNumberBox() keeps; null for another box.
const TypingLimit *LimitOf(const QLineEdit *box);

// Characters as people count them: a surrogate pair is one.
int CharacterCount(const QString &text);

// "已截去 12 个字符": what a cut paste says.
QString LeftOutText(int characters);

// Tells at the box how many characters of its last change were left out, in
// its tooltip, shown at once, until the box changes again (0 characters).
void TellLeftOut(QWidget &box, int characters);
