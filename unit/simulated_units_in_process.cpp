#include "simulated_units.h"

#include "block_framer.h"
#include "block_log_line.h"
#include "answer_plan.h"
#include "com_port_map.h"
#include "in_process_devices.h"

#include <cstdio>
#include <memory>

namespace {

// One unit: frames what it is sent, logs each piece after "COMk " and
// answers each whole block with one byte at once.
QByteArray Answer(BlockFramer &framer, int com, const QByteArray &written)
{
    QByteArray answer;
    for (const FramedPiece &piece : framer.feed(written)) {
        const QByteArray line = piece.isBlock ? BlockLogLine(piece.bytes) : GarbageLogLine(piece.bytes);
        std::fprintf(stdout, "COM%d %s\n", com, line.constData());
        if (piece.isBlock)
            answer += kAnswerByte;
    }
    std::fflush(stdout);
    return answer;
}

}  // namespace

SimulatedUnits::SimulatedUnits() = default;

SimulatedUnits::~SimulatedUnits()
{
    for (const QString &device : std::as_const(m_devices))
        RemoveInProcessDevice(device);
}

QString SimulatedUnits::start(ComPortMap &map)
{
    for (int com = 1; com <= 4; ++com) {
        const QString device = QStringLiteral("SIM%1").arg(com);
        auto framer = std::make_shared<BlockFramer>();
        AddInProcessDevice(device, [framer, com](const QByteArray &written) { return Answer(*framer, com, written); });
        map.setOverride(com, device);
        m_devices << device;
    }
    return {};
}
