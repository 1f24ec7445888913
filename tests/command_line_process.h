#pragma once

// `alarmcfg` itself, started as a user would start it: its settings and its
// history in fresh folders (the settings folder is its working directory too),
// no display, messages in English unless another locale is asked for.
#include "file_store.h"

#include <QProcess>
#include <QTemporaryDir>
#include <functional>

struct CommandLineRun
{
    int exitCode;  // -1: crashed, or still running after half a minute
    QStringList out;
    QString err;
};

class CommandLineProcess
{
public:
    QString configPath(const QString &name = {}) const { return m_config.filePath(name); }
    QString statePath() const { return m_state.path(); }
    FileStore settings() const { return FileStore(configPath(QStringLiteral("woclc1k"))); }
    QString historyPath() const { return m_state.filePath(QStringLiteral("alarmcfg/history.jsonl")); }

    QProcessEnvironment environment(const QString &locale = QStringLiteral("en_US.UTF-8")) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        environment.insert(QStringLiteral("XDG_STATE_HOME"), m_state.path());
        for (const char *unset : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(unset));
        environment.insert(QStringLiteral("LANG"), locale);
        return environment;
    }

    // `beforeStart` runs in the child just before alarmcfg starts.
    void start(QProcess &process, const QStringList &arguments, const std::function<void()> &beforeStart = {},
               const QProcessEnvironment &environment = {}) const
    {
        if (beforeStart)
            process.setChildProcessModifier(beforeStart);
        process.setProcessEnvironment(environment.isEmpty() ? this->environment() : environment);
        process.setWorkingDirectory(m_config.path());
        process.start(QStringLiteral(ALARMCFG), arguments);
    }

    // Runs alarmcfg to its end with `input` on its standard input.
    CommandLineRun run(const QStringList &arguments, const QByteArray &input = {},
                       const std::function<void()> &beforeStart = {}, const QProcessEnvironment &environment = {}) const
    {
        QProcess process;
        start(process, arguments, beforeStart, environment);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            return {-1, {}, QStringLiteral("alarmcfg did not finish")};
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                QString::fromUtf8(process.readAllStandardError())};
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_state;
};
