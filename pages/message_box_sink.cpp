#include "message_box_sink.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxSink::showError(const QString &title, const QString &text)
{
    // The unit's failure message separates its lines with LF CR, which a Qt
    // label would show as a blank line after each.
    QString shown = text;
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    QWidget *parent = QApplication::activeWindow();
    QMessageBox::critical(parent ? parent : m_page.data(), title, shown, QMessageBox::Ok);
}
