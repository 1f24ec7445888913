#pragma once

#include <QLabel>
#include <QPlainTextEdit>

class QLineEdit;

// A multi-line text box whose value holds its line breaks as CR LF, as they
// travel to the unit and to the store. Typing, pasting and input-method text
// stop at maxLength characters of the value (a line break counts two): what
// does not fit of a paste is left out, and said so in the box's tooltip; a
// longer value loaded from the store is shown whole.
class MultiLineBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    MultiLineBox(const QString &name, int maxLength, QWidget *parent = nullptr);

    // The box's size on the page's design, but never less high than two whole
    // lines of its font, so that a wrapped text can be read.
    void setSizeTwips(int width, int height);

    QString value() const;
    void setValue(const QString &value);
    // Characters that may still be typed; negative when the value is too long.
    int remaining() const;

Q_SIGNALS:
    void remainingChanged(int remaining);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void changeEvent(QEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // What an insertion may add in place of the selection.
    int room() const;
    void applySize();

    int m_maxLength;
    QSize m_sizeTwips;
};

// Shows beside a text box how many characters are left, or how many are too
// many in dark red; on one line, or on two where space is narrow. Its width
// never changes with the count, so the boxes beside it stay put. A screen
// reader finds it as the box's label (its buddy).
class RemainingCounter : public QLabel
{
    Q_OBJECT

public:
    enum class Lines { One, Two };

    RemainingCounter(MultiLineBox *box, Lines lines, QWidget *parent = nullptr);
    // For a one-line box made by TextBox(name, maxLength).
    RemainingCounter(QLineEdit *box, int maxLength, Lines lines, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    RemainingCounter(QWidget &box, Lines lines, QWidget *parent);
    QString countText(int remaining) const;
    void showRemaining(int remaining);

    Lines m_lines;
};
