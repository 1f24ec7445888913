#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The colours the pages name.
namespace PageColors {
inline const QColor kDarkRed{0x80, 0x00, 0x00};  // warnings
inline const QColor kGreen{0x00, 0x80, 0x00};    // dividers of the alarm frame
inline const QColor kYellow{0xFF, 0xFF, 0x00};   // the frame around the ring-tone switch
inline const QColor kBlue{0x00, 0x00, 0xFF};     // the sensor page's grid
inline const QColor kSilver{0xC0, 0xC0, 0xC0};   // background of the sensor-page hint
}  // namespace PageColors

// 9 points, a Simplified Chinese face where one is installed.
QFont PageFont();

// Shows the widget's text in `colour`.
void SetTextColour(QWidget &widget, const QColor &colour);

// A wrapped label in dark red, named `name`.
QLabel *WarningLabel(const QString &name, const QString &text, QWidget *parent = nullptr);

// A horizontal line two pixels high in `colour`.
QFrame *Divider(const QColor &colour, QWidget *parent = nullptr);

// The name of the `number`th control of a kind: "Text16", "Label9".
QString NumberedName(const char *kind, int number);

// A label named `name` ("Label9").
QLabel *NamedLabel(const QString &name, const QString &text, QWidget *parent = nullptr);

// A push button named `name` ("Command1") that Enter in a box never presses.
QPushButton *NamedButton(const QString &name, const QString &caption, QWidget *parent = nullptr);

// The keyboard focus moves through `widgets` in this order.
void ChainFocus(const QList<QWidget *> &widgets);
