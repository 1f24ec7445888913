#pragma once

#include "answer_plan.h"
#include "block_framer.h"
#include "paced_line.h"
#include "timed_queue.h"

#include <QObject>
#include <QSet>
#include <QSocketNotifier>

class PseudoTerminal;
class QFileDevice;

// What the simulated unit does with the blocks it receives.
struct UnitBehaviour
{
    bool silent = false;
    QSet<QByteArray> silentFor;  // tags left unanswered
    AnswerStyle answer;
    bool pace = false;  // take in and answer no faster than a 9600-baud line
    int unplugAfter = 0;  // when above 0: pull the cable at this whole block
    int chatterBytes = 0;  // sent unasked at the start, as fast as the line takes them
};

// The alarm unit at the master side of a pseudo-terminal: frames what the
// tool sends into blocks, logs each block (and any garbage) as one JSON line,
// and answers each whole block as its behaviour says. Unasked bytes it sends
// at the start are logged as one line once the line took them all.
class SimulatedUnit : public QObject
{
    Q_OBJECT

public:
    SimulatedUnit(PseudoTerminal &terminal, QFileDevice &log, const UnitBehaviour &behaviour,
                  QObject *parent = nullptr);

Q_SIGNALS:
    // The unit has stopped: 0 after pulling the cable, 1 after a failure of the line.
    void finished(int exitCode);

private:
    void onReadable();
    void handle(const FramedPiece &piece, qint64 doneNs);
    bool answers(const QByteArray &block) const;
    void write(const QByteArray &bytes);
    void flush();
    void unplug();
    void fail(const QString &what);
    void stop();

    PseudoTerminal &m_terminal;
    QFileDevice &m_log;
    const UnitBehaviour m_behaviour;
    QSocketNotifier m_readNotifier;
    QSocketNotifier m_writeNotifier;
    TimedQueue m_queue;
    BlockFramer m_framer;
    PacedLine m_incoming;
    PacedLine m_outgoing;
    QByteArray m_unwritten;  // answer bytes the line did not take yet
    int m_blocksReceived = 0;
    bool m_chattering = false;  // the unasked bytes are not all on the line yet
};
