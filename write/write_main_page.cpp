#include "write_sequences.h"

#include "block_layouts.h"
#include "block_sender.h"
#include "page_settings.h"
#include "validation.h"

WriteResult WriteMainPage(const MainPageValues &values, Port &port, Store &store,
                          MessageSink &messages, WriteView &view)
{
    BlockSender sender(port, messages, view);
    if (!sender.mayWrite(ValidateMainPage(values)))
        return sender.result();

    view.setWriteEnabled(false);
    const bool firstAnswered = sender.send(BuildComsmsA2(values));
    if (firstAnswered) {
        view.placeWaitWindow();
        view.showWaitWindow();
        BlockSender::pause();
        sender.send(BuildComsmsAB(values));
    }
    StorePassPhrasesAndNumbers(store, values);

    BlockSender::pause();
    sender.send(BuildComsmsA3(values));
    BlockSender::pause();
    sender.send(BuildComsmsA7(values));
    StoreAlarmSettings(store, values);

    BlockSender::pause();
    sender.send(BuildComsmsA5());
    BlockSender::pause();
    const bool lastAnswered = sender.send(BuildComsmsA4(values));
    sender.finishWaitWindow(lastAnswered, firstAnswered);

    StoreRingTone(store, values);
    view.setWriteEnabled(true);
    return sender.result();
}

QList<QByteArray> MainPageBlocks(const MainPageValues &values)
{
    return {BuildComsmsA2(values), BuildComsmsAB(values), BuildComsmsA3(values),
            BuildComsmsA7(values), BuildComsmsA5(),       BuildComsmsA4(values)};
}
