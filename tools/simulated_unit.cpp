#include "simulated_unit.h"

#include "block_layouts.h"
#include "block_log_line.h"
#include "pseudo_terminal.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>
#include <unistd.h>

SimulatedUnit::SimulatedUnit(PseudoTerminal &terminal, QFileDevice &log, const UnitBehaviour &behaviour,
                             QObject *parent)
    : QObject(parent),
      terminal_(terminal),
      log_(log),
      behaviour_(behaviour),
      readNotifier_(terminal.MasterFd(), QSocketNotifier::Read),
      writeNotifier_(terminal.MasterFd(), QSocketNotifier::Write)
{
    writeNotifier_.setEnabled(false);
    connect(&readNotifier_, &QSocketNotifier::activated, this, &SimulatedUnit::OnReadable);
    connect(&writeNotifier_, &QSocketNotifier::activated, this, &SimulatedUnit::Flush);
}

void SimulatedUnit::OnReadable()
{
    char buffer[4096];
    const ssize_t count = ::read(terminal_.MasterFd(), buffer, sizeof buffer);
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (count <= 0) {
        Fail(count == 0 ? QStringLiteral("end of input") : QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }

    // A piece is complete when its last byte is; on a paced line that byte
    // arrives one byte time after the one before it.
    const qint64 nowNs = queue_.NowNs();
    const qint64 startNs = behaviour_.pace ? incoming_.Send(nowNs, count) : nowNs;
    for (const FramedPiece &piece : framer_.Feed(QByteArray(buffer, count))) {
        const qint64 doneNs = behaviour_.pace ? startNs + PacedLine::kByteNs * piece.endInFeed : nowNs;
        queue_.At(doneNs, [this, piece, doneNs] { Handle(piece, doneNs); });
    }
}

void SimulatedUnit::Handle(const FramedPiece &piece, qint64 doneNs)
{
    log_.write((piece.isBlock ? BlockLogLine(piece.bytes) : GarbageLogLine(piece.bytes)) + '\n');
    log_.flush();
    if (!piece.isBlock)
        return;
    if (++blocksReceived_ == behaviour_.unplugAfter) {
        Unplug();
        return;
    }
    if (!Answers(piece.bytes))
        return;
    for (const TimedBytes &write : PlanAnswer(behaviour_.answer, doneNs, behaviour_.pace ? &outgoing_ : nullptr))
        queue_.At(write.dueNs, [this, bytes = write.bytes] { Write(bytes); });
}

bool SimulatedUnit::Answers(const QByteArray &block) const
{
    return !behaviour_.silent && !behaviour_.silentFor.contains(block.left(kTagSize));
}

void SimulatedUnit::Write(const QByteArray &bytes)
{
    unwritten_ += bytes;
    Flush();
}

// Writes what the line takes now; the rest waits until the master side can take more.
void SimulatedUnit::Flush()
{
    while (!unwritten_.isEmpty()) {
        const ssize_t count = ::write(terminal_.MasterFd(), unwritten_.constData(), size_t(unwritten_.size()));
        if (count > 0) {
            unwritten_.remove(0, count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN) {
            writeNotifier_.setEnabled(true);
            return;
        }
        Fail(count < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("the line took no bytes"));
        return;
    }
    writeNotifier_.setEnabled(false);
}

void SimulatedUnit::Unplug()
{
    Stop();
    Q_EMIT Finished(0);
}

void SimulatedUnit::Fail(const QString &what)
{
    qWarning("alarmcfg-unit: the line failed: %s", qUtf8Printable(what));
    Stop();
    Q_EMIT Finished(1);
}

// Nothing more is read, written or scheduled, and both sides of the line are closed.
void SimulatedUnit::Stop()
{
    readNotifier_.setEnabled(false);
    writeNotifier_.setEnabled(false);
    queue_.Clear();
    terminal_.Close();
}
