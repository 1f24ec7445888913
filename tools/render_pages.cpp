// render-pages DIRECTORY: renders the main page, the sensor page and the wait
// window as the program shows them, each under a drawn title bar, into
// DIRECTORY/main-page.png, sensor-page.png and wait-window.png, and the main
// page once more in English into DIRECTORY/main-page-en.png.
// render-pages DIRECTORY NAME: renders the main page alone into
// DIRECTORY/NAME.png, for a picture on another screen (its platform's
// configuration file). Run it with QT_QPA_PLATFORM=offscreen; scripts/screenshots.sh does.

#include "com_port_map.h"
#include "file_store.h"
#include "history_log.h"
#include "language.h"
#include "main_page.h"
#include "message_sink.h"
#include "page_style.h"
#include "sensor_page.h"
#include "sensor_picture.h"
#include "serial_link.h"
#include "simulated_units.h"
#include "wait_window.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int kTitleHeight = 26;

class PrintingSink : public MessageSink
{
public:
    void showError(const QString &title, const QString &text) override
    {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    }
};

// The window as a desktop would frame it: a title bar with icon and caption
// above the window's own contents.
QImage Framed(QWidget &window)
{
    // In the screen's own pixels: a scaled screen's picture as it looks there.
    QPixmap contents = window.grab();
    contents.setDevicePixelRatio(1);
    QImage image(contents.width() + 2, contents.height() + kTitleHeight + 1, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0x40, 0x40, 0x40));
    const QRect bar(1, 1, contents.width(), kTitleHeight - 1);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(0x0A, 0x24, 0x6A));
    gradient.setColorAt(1, QColor(0xA6, 0xCA, 0xF0));
    painter.fillRect(bar, gradient);
    painter.drawPixmap(bar.left() + 5, bar.top() + 4, SensorPicture(kTitleHeight - 9));
    QFont font = window.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(kTitleHeight, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     window.windowTitle());
    painter.drawPixmap(1, kTitleHeight, contents);
    return image;
}

// Shows the page and lets it settle: it opens its port (here to the units
// already started) a moment after its first picture.
void ShowSettled(MainPage &page)
{
    page.show();
    QEventLoop settling;
    QTimer::singleShot(500, &settling, &QEventLoop::quit);
    settling.exec();
}

bool Save(QWidget &window, const QDir &directory, const QString &name)
{
    const QString path = directory.filePath(name);
    if (Framed(window).save(path))
        return true;
    std::fprintf(stderr, "render-pages: cannot write %s\n", qUtf8Printable(path));
    return false;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setFont(PageFont());
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: render-pages DIRECTORY [NAME]\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir settings;
    ComPortMap map;
    SimulatedUnits units;
    const QString failure = units.start(map);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "render-pages: %s\n", qUtf8Printable(failure));
        return 1;
    }
    SerialLink link(map);
    FileStore store(settings.path());
    PrintingSink messages;

    HistoryLog history(settings.filePath(QStringLiteral("history.jsonl")));  // nothing is written
    const auto unitsStarted = [] { return QString(); };
    MainPage mainPage(link, store, messages, history, unitsStarted);
    ShowSettled(mainPage);
    if (argc == 3)
        return Save(mainPage, output, QString::fromLocal8Bit(argv[2]) + QLatin1String(".png")) ? 0 : 1;
    bool saved = Save(mainPage, output, QStringLiteral("main-page.png"));

    mainPage.findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    saved = Save(*mainPage.sensorPage(), output, QStringLiteral("sensor-page.png")) && saved;

    WaitWindow &waitWindow = mainPage.waitWindow().use();
    waitWindow.show();
    waitWindow.progressBar()->setValue(WaitWindow::kTicks / 2);
    saved = Save(waitWindow, output, QStringLiteral("wait-window.png")) && saved;

    // A page takes its texts when it is built: the English one comes after the translation.
    const Translations english(Language::English);
    MainPage englishPage(link, store, messages, history, unitsStarted);
    ShowSettled(englishPage);
    saved = Save(englishPage, output, QStringLiteral("main-page-en.png")) && saved;
    return saved ? 0 : 1;
}
