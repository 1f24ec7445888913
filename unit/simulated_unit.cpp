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
      m_terminal(terminal),
      m_log(log),
      m_behaviour(behaviour),
      m_readNotifier(terminal.masterFd(), QSocketNotifier::Read),
      m_writeNotifier(terminal.masterFd(), QSocketNotifier::Write)
{
    m_writeNotifier.setEnabled(false);
    connect(&m_readNotifier, &QSocketNotifier::activated, this, &SimulatedUnit::onReadable);
    connect(&m_writeNotifier, &QSocketNotifier::activated, this, &SimulatedUnit::flush);
    if (m_behaviour.chatterBytes > 0) {
        m_chattering = true;
        m_queue.at(0, [this] { write(QByteArray(m_behaviour.chatterBytes, kAnswerByte)); });
    }
}

void SimulatedUnit::onReadable()
{
    char buffer[4096];
    const ssize_t count = ::read(m_terminal.masterFd(), buffer, sizeof buffer);
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (count <= 0) {
        fail(count == 0 ? QStringLiteral("end of input") : QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }

    // A piece is complete when its last byte is; on a paced line that byte
    // arrives one byte time after the one before it.
    const qint64 nowNs = m_queue.nowNs();
    const qint64 startNs = m_behaviour.pace ? m_incoming.send(nowNs, count) : nowNs;
    for (const FramedPiece &piece : m_framer.feed(QByteArray(buffer, count))) {
        const qint64 doneNs = m_behaviour.pace ? startNs + PacedLine::kByteNs * piece.endInFeed : nowNs;
        m_queue.at(doneNs, [this, piece, doneNs] { handle(piece, doneNs); });
    }
}

void SimulatedUnit::handle(const FramedPiece &piece, qint64 doneNs)
{
    m_log.write((piece.isBlock ? BlockLogLine(piece.bytes) : GarbageLogLine(piece.bytes)) + '\n');
    m_log.flush();
    if (!piece.isBlock)
        return;
    if (++m_blocksReceived == m_behaviour.unplugAfter) {
        unplug();
        return;
    }
    if (!answers(piece.bytes))
        return;
    PacedLine *line = m_behaviour.pace ? &m_outgoing : nullptr;
    for (const TimedBytes &answer : PlanAnswer(m_behaviour.answer, doneNs, line))
        m_queue.at(answer.dueNs, [this, bytes = answer.bytes] { write(bytes); });
}

bool SimulatedUnit::answers(const QByteArray &block) const
{
    if (m_behaviour.silent || m_behaviour.silentFor.contains(block.left(kTagSize)))
        return false;
    // A real unit hears only noise on a line set up otherwise.
    if (const QString problem = m_terminal.lineSettingsProblem(); !problem.isEmpty()) {
        qWarning("alarmcfg-unit: no answer, the line is wrong: %s", qUtf8Printable(problem));
        return false;
    }
    return true;
}

void SimulatedUnit::write(const QByteArray &bytes)
{
    m_unwritten += bytes;
    flush();
}

// Writes what the line takes now; the rest waits until the master side can take more.
void SimulatedUnit::flush()
{
    while (!m_unwritten.isEmpty()) {
        const ssize_t count = ::write(m_terminal.masterFd(), m_unwritten.constData(), size_t(m_unwritten.size()));
        if (count > 0) {
            m_unwritten.remove(0, count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN) {
            m_writeNotifier.setEnabled(true);
            return;
        }
        fail(count < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("the line took no bytes"));
        return;
    }
    m_writeNotifier.setEnabled(false);
    if (m_chattering) {
        m_chattering = false;
        m_log.write(ChatterLogLine(m_behaviour.chatterBytes) + '\n');
        m_log.flush();
    }
}

void SimulatedUnit::unplug()
{
    stop();
    Q_EMIT finished(0);
}

void SimulatedUnit::fail(const QString &what)
{
    qWarning("alarmcfg-unit: the line failed: %s", qUtf8Printable(what));
    stop();
    Q_EMIT finished(1);
}

// Nothing more is read, written or scheduled, and both sides of the line are closed.
void SimulatedUnit::stop()
{
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    m_queue.clear();
    m_terminal.close();
}
