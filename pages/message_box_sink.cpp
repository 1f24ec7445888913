#include "message_box_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

void MessageBoxSink::showError(const QString &title, const QString &text)
{
    // The unit's failure message separates its lines with LF CR, which a Qt
    // label would show as a blank line after each.
    QString shown = text;
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    QWidget *parent = QApplication::activeWindow();
    QMessageBox::critical(parent ? parent : m_page.data(), title, shown, QMessageBox::Ok);
}

bool MessageBoxSink::confirm(const QString &title, const QString &text, const QString &stayButton,
                             const QString &goOnButton)
{
    QWidget *parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent ? parent : m_page.data());
    QPushButton *stay = box.addButton(stayButton, QMessageBox::RejectRole);
    QPushButton *goOn = box.addButton(goOnButton, QMessageBox::AcceptRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == goOn;
}
