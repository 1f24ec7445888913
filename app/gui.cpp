#include "gui.h"

#include "file_store.h"
#include "history_log.h"
#include "main_page.h"
#include "message_box_sink.h"
#include "open_failure.h"
#include "page_style.h"
#include "profile_opening.h"
#include "serial_link.h"
#include "simulated_units.h"
#include "write_failure_note.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>

int RunGui(QApplication &app, const CommandLine &options)
{
    // The program ends through the main page: its exit buttons or its frame.
    app.setQuitOnLastWindowClosed(false);
    SimulatedUnits units;
    if (options.simulate)
        units.launch();
    app.setFont(PageFont());
    // Finding the fonts (fontconfig) is the slowest step of any Qt window's
    // start; it runs while the simulated units come up.
    QFontMetrics(app.font()).height();
    MessageBoxSink boxes;
    // One note on a running ModemManager for the run, with the first write failure.
    WriteFailureNote messages(boxes, [] { return ModemManagerNote(ProbeModemManager()); });
    ComPortMap map = PortMapFor(options);
    if (options.simulate) {
        const QString failure = units.start(map);
        if (!failure.isEmpty()) {
            messages.showError(QCoreApplication::translate("Program", "模拟报警器"), failure);
            return 1;
        }
    }
    SerialLink link(map);
    FileStore store(FileStore::defaultDirectory());
    HistoryLog history;
    MainPage mainPage(link, store, messages, history, options.simulate);
    boxes.setPage(&mainPage);
    QObject::connect(&mainPage, &MainPage::quitRequested, &app, [] { QCoreApplication::exit(0); });
    mainPage.show();
    if (const QString note = FileStore::directoryNote(); !note.isEmpty())
        boxes.showError(QCoreApplication::translate("Program", "设置目录"), note);
    if (!options.openProfile.isEmpty())  // asked first; refused whole, with a message, if it has a problem
        OpenProfileWhenAsked(mainPage, store, boxes, options.openProfile,
                             QDir(store.directory()).filePath(QStringLiteral("before-import.alarmcfg.json")));
    return app.exec();
}

void ShowRefusal(const QString &refusal)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), refusal);
    box.setTextFormat(Qt::PlainText);  // a file name is no markup
    box.exec();
}
