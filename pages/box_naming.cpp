#include "box_naming.h"

#include "page_fields.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace {

// The number sits in the box's right margin, kept free of text, and follows
// the box's size and font.
class NumberInside : public QLabel
{
public:
    NumberInside(QLineEdit &box, int number) : QLabel(QString::number(number), &box), m_box(box)
    {
        setObjectName(box.objectName() + QLatin1String("Number"));
        setAccessibleName(QString());
        QFont small;
        small.setPointSizeF(7);
        setFont(small);
        setAlignment(Qt::AlignCenter);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setForegroundRole(QPalette::PlaceholderText);
        box.installEventFilter(this);
        place();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_box && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
            place();
        return false;
    }

private:
    void place()
    {
        const int frame = m_box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &m_box);
        const int width = fontMetrics().horizontalAdvance(text()) + 4;
        setGeometry(m_box.width() - frame - width, frame, width, m_box.height() - 2 * frame);
        m_box.setTextMargins(0, 0, width, 0);
    }

    QLineEdit &m_box;
};

}  // namespace

void NameAfterField(QWidget &box, const Field &field)
{
    box.setAccessibleName(field.labelText());
}

void CaptionOf(QWidget &box, QLabel &caption)
{
    caption.setBuddy(&box);
}

void DescribedBy(QWidget &box, const QString &hint)
{
    box.setAccessibleDescription(hint);
}

void ShowNumberInside(QLineEdit &box, int number)
{
    new NumberInside(box, number);
}
