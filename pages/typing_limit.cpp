#include "typing_limit.h"

#include "field_encoding.h"
#include "twips.h"

#include <QLineEdit>

namespace {

// One-line boxes are 330 twips high, as on the pages' design.
constexpr int kBoxHeightTwips = 330;

QLineEdit *NamedBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedHeight(TwipsToPixels(*box, kBoxHeightTwips));
    return box;
}

}  // namespace

TypingLimit::TypingLimit(QLineEdit *box, Fits fits)
    : QValidator(box), m_box(box), m_fits(std::move(fits)), m_previous(box->text())
{
    box->setValidator(this);
    connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { m_previous = text; });
}

QValidator::State TypingLimit::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    if (m_fits(input))
        return Acceptable;
    // setText() clears the box's edit history before it validates.
    if (!m_box->isModified())
        return Intermediate;
    return input.size() < m_previous.size() ? Intermediate : Invalid;
}

QLineEdit *TextBox(const QString &name, int maxLength, QWidget *parent)
{
    QLineEdit *box = NamedBox(name, parent);
    new TypingLimit(box, [maxLength](const QString &text) { return text.size() <= maxLength; });
    return box;
}

QLineEdit *PhoneNumberBox(const QString &name, QWidget *parent)
{
    QLineEdit *box = NamedBox(name, parent);
    // Only the digits are counted: any other character lands in the box, so
    // that the write's validation can say what is wrong with it instead of a
    // keystroke or a paste being dropped without a word.
    new TypingLimit(box, [](const QString &text) { return PhoneNumberDigitCount(text) <= kPhoneNumberDigits; });
    return box;
}
