#pragma once

#include <QWidget>

class QProgressBar;
class QTimer;

// The wait window "通信等待,请稍后...." (Form3): shown while a page is written. Its
// bar stands at 0 until the write switches the timer on; the bar then fills
// in 13 ticks and the window closes and is destroyed (unloaded), so the next
// use starts again at 0 with the timer off.
class WaitWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTicks = 13;
    // 13 ticks fill the bar in about a fifth of a second.
    static constexpr int kTickMs = 15;

    WaitWindow();

    // Shows the window and paints it at once: the write that shows it holds
    // the user-interface thread, so no paint event would come in time.
    void showPainted();
    void switchTimerOn();

    QProgressBar *progressBar() const { return m_bar; }
    QTimer *timer() const { return m_timer; }

private:
    void tick();

    QProgressBar *m_bar;
    QTimer *m_timer;
};
