#pragma once

struct Field;
class QLabel;
class QLineEdit;
class QString;
class QWidget;

// What a screen reader says of a page's boxes, and the numbers a reader sees
// in them. The names come from the field tables, in the page's language.

// Names `box` after its field's row: "授权手机号码2", "07号无线传感器的短信内容".
void NameAfterField(QWidget &box, const Field &field);

// `caption` is the visible label of `box`: a screen reader reads it with the
// box, and its mnemonic, if any, focuses the box.
void CaptionOf(QWidget &box, QLabel &caption);

// The hint the page shows beside `box` is its accessible description too.
void DescribedBy(QWidget &box, const QString &hint);

// A small grey number at the right end inside a phone-number box, for the
// number by which messages name the box; the digits typed stay clear of it.
void ShowNumberInside(QLineEdit &box, int number);
