#include "message_box_sink.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxSink::showError(const QString &title, const QString &text)
{
    QMessageBox::critical(QApplication::activeWindow(), title, text, QMessageBox::Ok);
}
