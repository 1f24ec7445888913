#include "refused_boxes.h"

#include "page_style.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr char kRefused[] = "refused";

void Mark(QWidget &box)
{
    box.setProperty(kRefused, true);
    box.setStyleSheet(QStringLiteral("border: 2px solid %1;").arg(PageColors::kDarkRed.name()));
}

void Unmark(QWidget &box)
{
    box.setProperty(kRefused, false);
    box.setStyleSheet(QString());
}

}  // namespace

void MarkRefusedBoxes(QWidget &page, const QStringList &controls)
{
    QWidget *first = nullptr;
    for (const QString &control : controls) {
        auto *box = page.findChild<QWidget *>(control);
        if (!box)
            continue;
        first = first ? first : box;
        if (box->property(kRefused).toBool())
            continue;  // still marked from an earlier refusal
        Mark(*box);
        if (auto *line = qobject_cast<QLineEdit *>(box))
            QObject::connect(line, &QLineEdit::textEdited, line, [line] { Unmark(*line); }, Qt::SingleShotConnection);
        else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
            QObject::connect(text, &QPlainTextEdit::textChanged, text, [text] { Unmark(*text); }, Qt::SingleShotConnection);
    }
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}
