#include "write_sequences.h"

#include "block_layouts.h"
#include "block_sender.h"
#include "page_settings.h"
#include "validation.h"

WriteResult WriteSensorPage(const SensorPageValues &values, Port &port, Store &store,
                            MessageSink &messages, WriteView &view)
{
    BlockSender sender(port, messages, view);
    if (!sender.mayWrite(ValidateSensorPage(values)))
        return sender.result();

    view.setWriteEnabled(false);
    if (sender.send(BuildBlock(BlockLayoutOf("COMSMSA8"), values))) {
        view.placeWaitWindow();
        view.showWaitWindow();
        sender.finishWaitWindow(sender.send(BuildBlock(BlockLayoutOf("COMSMSAH"), values)), true);
    }
    view.setWriteEnabled(true);
    StoreSensorPage(store, values);
    return sender.result();
}
