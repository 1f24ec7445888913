#include "multi_line_box.h"

#include "line_breaks.h"
#include "page_style.h"
#include "twips.h"
#include "typing_limit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kDocumentMargin = 2;

// Length of a box's text once its line breaks are CR LF.
int ValueLength(const QString &boxText)
{
    return int(boxText.size() + boxText.count(u'\n'));
}

// The longest start of `text` that fits into `room` characters of the value,
// never splitting a surrogate pair.
QString FitInto(const QString &text, int room)
{
    int used = 0;
    int end = 0;
    while (end < text.size()) {
        const int width = text.at(end).isHighSurrogate() ? 2 : 1;
        const int cost = text.at(end) == u'\n' ? 2 : width;
        if (used + cost > room)
            break;
        used += cost;
        end += width;
    }
    return text.left(end);
}

// A selection's text as it reads in the box's plain text.
QString PlainSelection(QString selected)
{
    selected.replace(QChar::ParagraphSeparator, u'\n');
    selected.replace(QChar::LineSeparator, u'\n');
    return selected;
}

}  // namespace

MultiLineBox::MultiLineBox(const QString &name, int maxLength, QWidget *parent)
    : QPlainTextEdit(parent), m_maxLength(maxLength)
{
    setObjectName(name);
    setTabChangesFocus(true);
    // Small boxes without scroll bars: the text wraps anywhere and scrolls
    // with the cursor.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(kDocumentMargin);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        TellLeftOut(*this, 0);
        Q_EMIT remainingChanged(remaining());
    });
}

void MultiLineBox::setSizeTwips(int width, int height)
{
    m_sizeTwips = {width, height};
    applySize();
}

void MultiLineBox::applySize()
{
    const QFontMetricsF metrics(font());
    const int twoLines = int(std::ceil(2 * metrics.height())) + 2 * (frameWidth() + kDocumentMargin) + 1;
    setFixedSize(TwipsToPixels(*this, m_sizeTwips.width()),
                 std::max(TwipsToPixels(*this, m_sizeTwips.height()), twoLines));
}

void MultiLineBox::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_sizeTwips.isEmpty())
        applySize();
}

QString MultiLineBox::value() const
{
    return FromBoxText(toPlainText());
}

void MultiLineBox::setValue(const QString &value)
{
    setPlainText(ToBoxText(value));
}

int MultiLineBox::remaining() const
{
    return m_maxLength - ValueLength(toPlainText());
}

int MultiLineBox::room() const
{
    return remaining() + ValueLength(PlainSelection(textCursor().selectedText()));
}

void MultiLineBox::keyPressEvent(QKeyEvent *event)
{
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    const bool inserts = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
    if (inserts && FitInto(typed, room()) != typed) {
        event->accept();
        QApplication::beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    const QString fitting = FitInto(commit, room());
    if (fitting == commit) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fitting, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    QApplication::beep();
    TellLeftOut(*this, CharacterCount(commit.mid(fitting.size())));
}

void MultiLineBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString text = ToBoxText(source->text());
    QMimeData fitting;
    fitting.setText(FitInto(text, room()));
    QPlainTextEdit::insertFromMimeData(&fitting);
    if (fitting.text() != text) {
        QApplication::beep();
        TellLeftOut(*this, CharacterCount(text.mid(fitting.text().size())));
    }
}

RemainingCounter::RemainingCounter(QWidget &box, Lines lines, QWidget *parent)
    : QLabel(parent), m_lines(lines)
{
    setObjectName(box.objectName() + QLatin1String("Remaining"));
    setBuddy(&box);
}

RemainingCounter::RemainingCounter(MultiLineBox *box, Lines lines, QWidget *parent)
    : RemainingCounter(*box, lines, parent)
{
    connect(box, &MultiLineBox::remainingChanged, this, &RemainingCounter::showRemaining);
    showRemaining(box->remaining());
}

RemainingCounter::RemainingCounter(QLineEdit *box, int maxLength, Lines lines, QWidget *parent)
    : RemainingCounter(*box, lines, parent)
{
    connect(box, &QLineEdit::textChanged, this,
            [this, maxLength](const QString &text) { showRemaining(maxLength - int(text.size())); });
    showRemaining(maxLength - int(box->text().size()));
}

QString RemainingCounter::countText(int remaining) const
{
    const QString lineBreak = m_lines == Lines::Two ? QStringLiteral("\n") : QString();
    return remaining >= 0 ? QCoreApplication::translate("MultiLineBox", "剩余%1%2字").arg(lineBreak, QString::number(remaining))
                          : QCoreApplication::translate("MultiLineBox", "超出%1%2字").arg(lineBreak, QString::number(-remaining));
}

void RemainingCounter::showRemaining(int remaining)
{
    setText(countText(remaining));
    SetTextColour(*this, remaining < 0 ? PageColors::kDarkRed : QApplication::palette(this).color(QPalette::WindowText));
}

QSize RemainingCounter::sizeHint() const
{
    // Room for two-digit counts whatever the count now, so that the box
    // beside it keeps its width while the count changes.
    const QMargins margins = contentsMargins();
    const QSize widest = fontMetrics().size(0, countText(-88)) + QSize(margins.left() + margins.right() + 2 * margin(),
                                                                       margins.top() + margins.bottom() + 2 * margin());
    return QLabel::sizeHint().expandedTo(widest);
}

QSize RemainingCounter::minimumSizeHint() const
{
    return sizeHint();
}
