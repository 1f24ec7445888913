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

    auto build = [&values](const char *tag) { return BuildBlock(BlockLayoutOf(tag), values); };
    view.setWriteEnabled(false);
    const bool firstAnswered = sender.send(build("COMSMSA2"));
    if (firstAnswered) {
        view.placeWaitWindow();
        view.showWaitWindow();
        view.pauseBetweenBlocks();
        sender.send(build("COMSMSAB"));
    }
    StorePassPhrasesAndNumbers(store, values);

    view.pauseBetweenBlocks();
    sender.send(build("COMSMSA3"));
    view.pauseBetweenBlocks();
    sender.send(build("COMSMSA7"));
    StoreAlarmSettings(store, values);

    view.pauseBetweenBlocks();
    sender.send(build("COMSMSA5"));
    view.pauseBetweenBlocks();
    const bool lastAnswered = sender.send(build("COMSMSA4"));
    sender.finishWaitWindow(lastAnswered, firstAnswered);

    StoreRingTone(store, values);
    view.setWriteEnabled(true);
    return sender.result();
}
