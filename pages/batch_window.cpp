#include "batch_window.h"

#include "default_secrets.h"
#include "history_log.h"
#include "keyboard_rules.h"
#include "memory_store.h"
#include "message_sink.h"
#include "page_fields.h"
#include "page_style.h"
#include "profile.h"
#include "queued_input.h"
#include "serial_link.h"
#include "validation.h"
#include "window_history.h"
#include "write_outcome.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace {

QString Title()
{
    return QCoreApplication::translate("BatchWindow", "批量写入");
}

// "第 2 台（COM1 /dev/ttyUSB0）：主页 已写入；无线报警传感器 已写入：无线传感器1–5；未写入：无线传感器6–10（10:31:02）"
QString UnitLine(int number, const WriteOrigin &origin, const UnitWrite &written)
{
    QStringList pages;
    if (written.main)
        pages << QCoreApplication::translate("BatchWindow", "主页 %1").arg(OutcomeSummary(written.main->refused, written.main->blocks));
    if (written.sensor)
        pages << QCoreApplication::translate("BatchWindow", "无线报警传感器 %1")
                     .arg(OutcomeSummary(written.sensor->refused, written.sensor->blocks));
    return QCoreApplication::translate("BatchWindow", "第 %1 台（%2）：%3（%4）")
        .arg(number)
        .arg(PortName(origin), pages.join(QCoreApplication::translate("BatchWindow", "；", "between pages")), QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

// Each block of the unit's pages with its tag, for the line's tooltip.
QString UnitBlockDetails(const UnitWrite &written)
{
    QList<BlockOutcome> blocks;
    for (const std::optional<WriteResult> &page : {written.main, written.sensor})
        if (page)
            blocks += page->blocks;
    return BlockDetails(blocks);
}

}  // namespace

std::optional<UnitPages> BatchPages(const QString &path, const QString &password, MessageSink &messages)
{
    const ProfileParse parse = ReadProfileFile(path);
    if (!parse.profile) {
        messages.showError(Title(), QCoreApplication::translate("BatchWindow", "配置文件有误，没有写入任何设置：\n%1")
                                               .arg(parse.problems.join(u'\n')));
        return std::nullopt;
    }
    UnitPages pages{parse.profile->main, parse.profile->sensor};
    if (!parse.profile->hasPassword)
        pages.main.text[RewritePasswordField().number()] = password;
    // Both pages are checked before the first unit, not refused unit by unit.
    const QList<ValidationProblem> problems = ValidateMainPage(pages.main) + ValidateSensorPage(pages.sensor);
    if (!problems.isEmpty()) {
        messages.showError(Title(), DescribeProblems(problems));
        return std::nullopt;
    }
    // Once for the whole run, a profile's own pass phrases included.
    if (!ConfirmDefaultSecrets(pages.main, messages))
        return std::nullopt;
    return pages;
}

BatchWindow::BatchWindow(const UnitPages &pages, const QString &profile, SerialLink &link, MessageSink &messages,
                         WriteView &view, HistoryLog &history, QWidget *parent)
    : QDialog(parent),
      m_pages(pages),
      m_profile(QFileInfo(profile).absoluteFilePath()),
      m_link(link),
      m_messages(messages),
      m_view(view),
      m_history(history),
      m_counts(new QLabel),
      m_units(new QListWidget),
      m_next(NamedButton(QStringLiteral("WriteNextUnit"), QCoreApplication::translate("BatchWindow", "写入下一台"))),
      m_close(NamedButton(QStringLiteral("CloseBatch"), QCoreApplication::translate("BatchWindow", "关闭")))
{
    setObjectName(QStringLiteral("BatchWindow"));
    setWindowTitle(Title());
    // The main page shares the port: it waits while units are written.
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *file = new QLabel(QCoreApplication::translate("BatchWindow", "配置文件：%1").arg(m_profile));
    file->setWordWrap(true);
    // Where the units will be written, before the first one is.
    const int com = m_link.commPort() == 0 ? 1 : m_link.commPort();
    auto *target = new QLabel(QCoreApplication::translate("BatchWindow", "写入到：%1")
                                  .arg(PortName({com, m_link.map().device(com), QString()})));
    target->setObjectName(QStringLiteral("BatchTarget"));
    target->setWordWrap(true);
    auto *hint = new QLabel(QCoreApplication::translate("BatchWindow", "连接一台报警器，然后按“写入下一台”。"));
    m_counts->setObjectName(QStringLiteral("BatchCounts"));
    m_units->setObjectName(QStringLiteral("BatchUnits"));
    m_units->setWordWrap(true);  // a long outcome wraps; its tooltip holds it whole too
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_next);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(target);
    layout->addWidget(hint);
    layout->addWidget(m_counts);
    layout->addWidget(m_units);
    layout->addLayout(buttons);
    resize(560, 320);

    InstallKeyboardRules(*this);  // Enter on 写入下一台 writes the next unit, as Space does
    m_next->setFocus(Qt::OtherFocusReason);
    connect(m_next, &QPushButton::clicked, this, &BatchWindow::writeNextUnit);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    showCounts();
}

void BatchWindow::writeNextUnit()
{
    m_writing = true;
    m_next->setEnabled(false);
    m_close->setEnabled(false);
    const int com = m_link.commPort() == 0 ? 1 : m_link.commPort();
    // A port that does not open again makes the unit's write refuse, with its message.
    m_link.select(com);
    const WriteOrigin origin{com, m_link.map().device(com), ProfileSource(m_profile)};
    MemoryStore discarded;  // a write from a profile stores nowhere
    UnitWrite written;
    {
        // A click on 写入下一台 made during this unit's write is not a request for the next one.
        const InputHold hold(*this);
        written = WriteUnit(m_pages, m_link.port(), discarded, m_messages, m_view,
                            [&](UnitPage page, const WriteResult &result) {
                                RecordWindowWrite(m_history, m_messages, UnitPageRecord(m_pages, page, result, origin));
                            });
    }
    (written.succeeded() ? m_succeeded : m_failed) += 1;
    auto *line = new QListWidgetItem(UnitLine(m_succeeded + m_failed, origin, written), m_units);
    line->setToolTip(line->text() + u'\n' + UnitBlockDetails(written));
    m_units->scrollToBottom();
    showCounts();
    m_next->setEnabled(true);
    m_close->setEnabled(true);
    m_next->setFocus();
    m_writing = false;
}

void BatchWindow::showCounts()
{
    m_counts->setText(QCoreApplication::translate("BatchWindow", "已写入 %1 台：成功 %2 台，失败 %3 台")
                          .arg(m_succeeded + m_failed)
                          .arg(m_succeeded)
                          .arg(m_failed));
}

void BatchWindow::closeEvent(QCloseEvent *event)
{
    if (m_writing)
        event->ignore();
    else
        QDialog::closeEvent(event);
}
