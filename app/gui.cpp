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
#include <QMessageBox>

int RunGui(QApplication &app, const CommandLine &options)
{
    // The program ends through the main page: its exit buttons or its frame.
    app.setQuitOnLastWindowClosed(false);
    app.setFont(PageFont());
    MessageBoxSink boxes;
    // One note on a running ModemManager for the run, with the first write failure.
    WriteFailureNote messages(boxes, [] { return ModemManagerNote(ProbeModemManager()); });
    SerialLink link(PortMapFor(options));
    // The simulated units start once the page is on the screen: four
    // processes starting beside it would hold up its first picture.
    SimulatedUnits units;
    std::function<QString()> startUnits;
    if (options.simulate) {
        startUnits = [&] {
            ComPortMap map = link.map();
            const QString failure = units.start(map);
            if (!failure.isEmpty()) {
                messages.showError(QCoreApplication::translate("Program", "模拟报警器"), failure);
                QCoreApplication::exit(1);
                return failure;
            }
            for (int com = 1; com <= 4; ++com)
                link.pointOption(com, map.device(com));
            return QString();
        };
    }
    FileStore store(FileStore::defaultDirectory());
    HistoryLog history;
    MainPage mainPage(link, store, messages, history, startUnits);
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
