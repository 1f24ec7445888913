#pragma once

#include "message_sink.h"
#include "page_values.h"
#include "port.h"
#include "store.h"
#include "write_result.h"
#include "write_view.h"

#include <functional>
#include <optional>

// The pages one unit gets: both of them, as from a profile, or one.
struct UnitPages
{
    MainPageValues main;
    SensorPageValues sensor;
    bool writeMain = true;
    bool writeSensor = true;
};

enum class UnitPage { Main, Sensor };

// How the pages of one unit went; a page not asked for has no result.
struct UnitWrite
{
    std::optional<WriteResult> main;
    std::optional<WriteResult> sensor;

    bool succeeded() const;
};

// Told as soon as a page is written, before the next one starts, so that
// its history record carries the time it ended.
using PageWritten = std::function<void(UnitPage page, const WriteResult &result)>;

// Writes the pages asked for to the unit behind `port`: the main page, then
// the sensor page, each with its own write sequence. When the port is lost
// during the main page, the sensor page is refused without a message of its own.
UnitWrite WriteUnit(const UnitPages &pages, Port &port, Store &store, MessageSink &messages, WriteView &view,
                    const PageWritten &pageWritten);
