#include "history_dialog.h"

#include "history_format.h"
#include "history_reading.h"
#include "message_sink.h"
#include "write_outcome.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString Title()
{
    return QStringLiteral("写入记录");
}

QString PageName(const QString &page)
{
    if (page == QLatin1String("main"))
        return QStringLiteral("主页");
    if (page == QLatin1String("sensor"))
        return QStringLiteral("无线报警传感器");
    return page;
}

QString SourceName(const QString &source)
{
    if (source == WindowSource())
        return QStringLiteral("窗口");
    if (source == CommandLineSource())
        return QStringLiteral("命令行");
    const QString profile = ProfileSource(QString());
    if (source.startsWith(profile))
        return QStringLiteral("配置文件 ") + source.mid(profile.size());
    return source;
}

QString PortName(const WriteOrigin &origin)
{
    const QString com = QStringLiteral("COM%1").arg(origin.com);
    return origin.device.isEmpty() ? com : com + u' ' + origin.device;
}

QStringList Row(const WriteRecord &record)
{
    return {record.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), PageName(record.page),
            PortName(record.origin), SourceName(record.origin.source),
            OutcomeSummary(record.refused, record.blocks)};
}

// What is wrong with the file, if anything.
QString ReadingNote(const HistoryRead &read)
{
    if (!read.error.isEmpty())
        return QStringLiteral("无法读取写入记录：%1").arg(read.error);
    if (read.skipped > 0)
        return QStringLiteral("有 %1 行无法识别，已略过。").arg(read.skipped);
    return {};
}

}  // namespace

HistoryDialog::HistoryDialog(const QString &path, MessageSink &messages, QWidget *parent)
    : QDialog(parent), m_messages(messages), m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(Title());
    const HistoryRead read = ReadHistory(path);
    m_records = read.records;

    m_table->setObjectName(QStringLiteral("HistoryTable"));
    m_table->setColumnCount(5);
    m_table->setHorizontalHeaderLabels({QStringLiteral("时间"), QStringLiteral("页面"), QStringLiteral("串口"),
                                        QStringLiteral("来源"), QStringLiteral("结果")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setRowCount(int(read.records.size()));
    int row = 0;
    for (auto record = read.records.crbegin(); record != read.records.crend(); ++record, ++row) {
        const QStringList cells = Row(*record);
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->resizeColumnsToContents();

    auto *note = new QLabel(ReadingNote(read));
    note->setObjectName(QStringLiteral("HistoryNote"));
    note->setVisible(!note->text().isEmpty());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *exportButton = buttons->addButton(QStringLiteral("导出 CSV…"), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("ExportCsv"));
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    connect(exportButton, &QPushButton::clicked, this, &HistoryDialog::chooseExport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(760, 420);
}

void HistoryDialog::chooseExport()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出写入记录"),
                                                      QStringLiteral("alarmcfg-history.csv"),
                                                      QStringLiteral("CSV 文件 (*.csv);;所有文件 (*)"));
    if (!path.isEmpty())
        exportCsv(path);
}

bool HistoryDialog::exportCsv(const QString &path)
{
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(HistoryToCsv(m_records)) >= 0 && file.commit();
    if (!saved)
        m_messages.showError(Title(), QStringLiteral("无法保存 %1：%2").arg(path, file.errorString()));
    return saved;
}
