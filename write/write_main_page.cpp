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

    // Once the port is lost no block goes; a group is stored after its block went.
    sender.sendAfterPause(build("COMSMSA3"));
    sender.sendAfterPause(build("COMSMSA7"));
    if (sender.exchanged("COMSMSA7"))
        StoreAlarmSettings(store, values);

    sender.sendAfterPause(build("COMSMSA5"));
    const bool lastAnswered = sender.sendAfterPause(build("COMSMSA4"));
    sender.finishWaitWindow(lastAnswered, firstAnswered);

    if (sender.exchanged("COMSMSA4"))
        StoreRingTone(store, values);
    view.setWriteEnabled(true);
    return sender.result();
}
