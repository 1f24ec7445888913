#include "typing_limit.h"

#include "field_encoding.h"
#include "twips.h"
#include "validation.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QToolTip>
#include <algorithm>
#include <utility>

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

// Where `before` and `after` start to differ, and how long their common end is.
std::pair<int, int> CommonEnds(const QString &before, const QString &after)
{
    const int shorter = int(std::min(before.size(), after.size()));
    int start = 0;
    while (start < shorter && before.at(start) == after.at(start))
        ++start;
    int end = 0;
    while (end < shorter - start && before.at(before.size() - 1 - end) == after.at(after.size() - 1 - end))
        ++end;
    // Never split a surrogate pair between the common parts and the change.
    if (start > 0 && after.at(start - 1).isHighSurrogate())
        --start;
    if (end > 0 && after.at(after.size() - end).isLowSurrogate())
        --end;
    return {start, end};
}

}  // namespace

TypingLimit::TypingLimit(QLineEdit *box, Fits fits)
    // A QLineEdit keeps the line breaks of a paste, showing them as blanks.
    : QValidator(box), m_box(box),
      m_fits([fits = std::move(fits)](const QString &text) { return !HasLineBreak(text) && fits(text); }),
      m_previous(box->text())
{
    box->setValidator(this);
    connect(box, &QLineEdit::textChanged, this, &TypingLimit::textChanged);
}

void TypingLimit::textChanged(const QString &text)
{
    m_previous = text;
    // The box takes a cut change as a change, even when nothing of it is left.
    const int cut = std::exchange(m_cutCharacters, 0);
    TellLeftOut(*m_box, text == m_cutText ? cut : 0);
}

QValidator::State TypingLimit::validate(QString &input, int &pos) const
{
    if (m_fits(input))
        return Acceptable;
    // setText() clears the box's edit history before it validates.
    if (!m_box->isModified())
        return Intermediate;
    if (input.size() < m_previous.size())
        return Intermediate;
    const auto [start, end] = CommonEnds(m_previous, input);
    const QString head = input.left(start);
    const QString tail = input.right(end);
    const QString inserted = input.mid(start, input.size() - start - end);
    if (!m_fits(head + tail))
        return Invalid;
    // The longest start of the insertion that still fits.
    int kept = 0;
    for (int next = 0; next < inserted.size(); kept = next) {
        next += inserted.at(next).isHighSurrogate() ? 2 : 1;
        if (!m_fits(head + inserted.left(next) + tail))
            break;
    }
    m_cutText = head + inserted.left(kept) + tail;
    m_cutCharacters = CharacterCount(inserted.mid(kept));
    input = m_cutText;
    pos = start + kept;
    return Acceptable;
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

const TypingLimit *LimitOf(const QLineEdit *box)
{
    return qobject_cast<const TypingLimit *>(box->validator());
}

int CharacterCount(const QString &text)
{
    return int(text.toUcs4().size());
}

QString LeftOutText(int characters)
{
    return QCoreApplication::translate("TypingLimit", "已截去 %1 个字符").arg(characters);
}

void TellLeftOut(QWidget &box, int characters)
{
    // Not a note in the page: the boxes around it stay where they are, uncovered.
    if (characters == 0 && box.toolTip().isEmpty())
        return;
    box.setToolTip(characters > 0 ? LeftOutText(characters) : QString());
    if (characters > 0)
        QToolTip::showText(box.mapToGlobal(QPoint(0, box.height())), box.toolTip(), &box);
    else
        QToolTip::hideText();
}
