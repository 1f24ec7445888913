#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// A write holds the user-interface thread: keys and clicks made meanwhile
// wait in the queue, and would be delivered once it returns, typing into the
// boxes or pressing a button the user saw disabled. While an InputHold
// lives, the user's input to `window` is dropped wherever it is delivered
// (the wait window's paint wait, a message box's loop); as it ends, it hands
// out every event still queued, dropping the input among them. Other
// windows, message boxes among them, take their input as always.
class InputHold : public QObject
{
public:
    explicit InputHold(QWidget &window);
    ~InputHold() override;

    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};
