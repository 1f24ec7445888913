#include "unit_write.h"

#include "write_sequences.h"

bool UnitWrite::succeeded() const
{
    return (!main || main->succeeded()) && (!sensor || sensor->succeeded());
}

UnitWrite WriteUnit(const UnitPages &pages, Port &port, Store &store, MessageSink &messages, WriteView &view,
                    const PageWritten &pageWritten)
{
    UnitWrite written;
    if (pages.writeMain) {
        written.main = WriteMainPage(pages.main, port, store, messages, view);
        pageWritten(UnitPage::Main, *written.main);
    }
    if (pages.writeSensor) {
        // After a port lost in the main page's write the sensor page goes nowhere: nothing is sent.
        written.sensor = written.main && written.main->portLost
            ? WriteResult{true, {}, {}, true}
            : WriteSensorPage(pages.sensor, port, store, messages, view);
        pageWritten(UnitPage::Sensor, *written.sensor);
    }
    return written;
}
