#include "unit_options.h"

#include "block_layouts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>

namespace {

constexpr int kMaxMs = 3'600'000;
constexpr int kMaxBytes = 1'000'000;
constexpr int kMaxChatterBytes = 100'000'000;

QCommandLineOption ValueOption(const char *name, const char *description, const char *valueName)
{
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                              QString::fromLatin1(valueName));
}

void Complain(const QString &message)
{
    std::fprintf(stderr, "alarmcfg-unit: %s\n", qUtf8Printable(message));
}

// The option's whole-number value between min and max; `fallback` when the option is absent.
std::optional<int> Number(const QCommandLineParser &parser, const QCommandLineOption &option, int min,
                          int max, int fallback)
{
    if (!parser.isSet(option))
        return fallback;
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (ok && value >= min && value <= max)
        return value;
    Complain(QStringLiteral("--%1 takes a whole number from %2 to %3")
                 .arg(option.names().constFirst())
                 .arg(min)
                 .arg(max));
    return std::nullopt;
}

}  // namespace

std::optional<UnitOptions> ParseUnitOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated alarm unit on a pseudo-terminal. Prints the device to open as its first line,\n"
        "logs every block it receives as one JSON line and answers each whole block with one byte."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption silentFor = ValueOption(
        "silent-for", "Do not answer blocks with this tag, e.g. COMSMSA4 (repeatable).", "TAG");
    const QCommandLineOption delay = ValueOption("delay", "Answer MS milliseconds after the block is complete.", "MS");
    const QCommandLineOption pieces = ValueOption("pieces", "Answer with N bytes written one at a time.", "N");
    const QCommandLineOption pieceGap = ValueOption("piece-gap", "Milliseconds between the pieces (default 0).", "MS");
    const QCommandLineOption answerBytes = ValueOption("answer-bytes", "Answer with N bytes at once.", "N");
    const QCommandLineOption answerHex = ValueOption(
        "answer-hex", "Answer with these bytes at once, given in hex (e.g. 0d0a1113ff00).", "HEX");
    const QCommandLineOption pace(QStringLiteral("pace"),
                                  QStringLiteral("Take in and answer no faster than a 9600-baud line."));
    const QCommandLineOption unplugAfter = ValueOption(
        "unplug-after", "After the N-th whole block, close the line without answering and exit.", "N");
    const QCommandLineOption chatter = ValueOption(
        "chatter", "At the start, send N bytes unasked, as fast as the line takes them; log {\"chatter\": N} then.",
        "N");
    const QCommandLineOption log = ValueOption("log", "Write the JSON lines to FILE instead of standard output.", "FILE");
    const QCommandLineOption link = ValueOption("link", "Also offer the device as a symbolic link PATH.", "PATH");
    parser.addOptions(
        {silent, silentFor, delay, pieces, pieceGap, answerBytes, answerHex, pace, unplugAfter, chatter, log, link});
    parser.process(app);

    if (int(parser.isSet(pieces)) + int(parser.isSet(answerBytes)) + int(parser.isSet(answerHex)) > 1) {
        Complain(QStringLiteral("--pieces, --answer-bytes and --answer-hex exclude each other"));
        return std::nullopt;
    }
    const QString hexAnswer = parser.value(answerHex);
    if (parser.isSet(answerHex)
        && !QRegularExpression(QStringLiteral("^([0-9a-fA-F]{2})+$")).match(hexAnswer).hasMatch()) {
        Complain(QStringLiteral("--answer-hex takes whole bytes in hex, not \"%1\"").arg(hexAnswer));
        return std::nullopt;
    }
    UnitOptions options;
    UnitBehaviour &behaviour = options.behaviour;
    behaviour.silent = parser.isSet(silent);
    behaviour.pace = parser.isSet(pace);
    for (const QString &tag : parser.values(silentFor)) {
        if (!FindBlockLayout(tag.toLatin1())) {
            Complain(QStringLiteral("--silent-for: %1 is no block tag").arg(tag));
            return std::nullopt;
        }
        behaviour.silentFor.insert(tag.toLatin1());
    }
    const std::optional<int> delayMs = Number(parser, delay, 0, kMaxMs, 0);
    const std::optional<int> bytes = Number(parser, answerBytes, 1, kMaxBytes, 1);
    const std::optional<int> pieceCount = Number(parser, pieces, 1, kMaxBytes, 0);
    const std::optional<int> pieceGapMs = Number(parser, pieceGap, 0, kMaxMs, 0);
    const std::optional<int> unplugAt = Number(parser, unplugAfter, 1, kMaxBytes, 0);
    const std::optional<int> chatterBytes = Number(parser, chatter, 1, kMaxChatterBytes, 0);
    if (!delayMs || !bytes || !pieceCount || !pieceGapMs || !unplugAt || !chatterBytes)
        return std::nullopt;
    behaviour.answer = {*delayMs, *bytes, *pieceCount, *pieceGapMs, QByteArray::fromHex(hexAnswer.toLatin1())};
    behaviour.unplugAfter = *unplugAt;
    behaviour.chatterBytes = *chatterBytes;
    options.logFile = parser.value(log);
    options.linkPath = parser.value(link);
    return options;
}
