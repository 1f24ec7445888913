#pragma once

#include "message_sink.h"
#include "page_values.h"
#include "port.h"
#include "store.h"
#include "write_result.h"
#include "write_view.h"

// Writes the main page to the unit: COMSMSA2, COMSMSAB (only when COMSMSA2
// was answered), COMSMSA3, COMSMSA7, COMSMSA5 and COMSMSA4, with the view's
// pause between two blocks. The page's fields are stored in three groups at
// fixed points whether or not the unit answered; the rewrite password is sent
// but never stored. An unanswered block costs one write-failure message and
// the write goes on. A port lost in the middle (the adapter pulled) ends the
// write with one message naming what reached the unit: no block goes after
// it, and only the groups whose block went are stored.
// A page with fields the unit cannot hold, or a closed port, refuses the
// whole write with one message before anything is sent or stored.
WriteResult WriteMainPage(const MainPageValues &values, Port &port, Store &store,
                          MessageSink &messages, WriteView &view);

// Writes the sensor page: COMSMSA8, then COMSMSAH only when COMSMSA8 was
// answered, with no pause; then stores the twenty fields. A lost port is told
// as in the main page's write.
WriteResult WriteSensorPage(const SensorPageValues &values, Port &port, Store &store,
                            MessageSink &messages, WriteView &view);
