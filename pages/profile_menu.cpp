#include "profile_menu.h"

#include <QFileDialog>

namespace {

QString Filter()
{
    return QStringLiteral("配置文件 (*.json);;所有文件 (*)");
}

}  // namespace

ProfileMenu::ProfileMenu(QWidget *parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("ProfileMenu"));
    QMenu *file = addMenu(QStringLiteral("文件"));
    file->addAction(QStringLiteral("导入配置…"), this, &ProfileMenu::chooseImport);
    file->addAction(QStringLiteral("导出配置…"), this, [this] { chooseExport(false); });
    // A profile is passed around, so the password goes in only when asked for.
    file->addAction(QStringLiteral("导出配置（含安全密语）…"), this, [this] { chooseExport(true); });
}

void ProfileMenu::chooseImport()
{
    const QString path = QFileDialog::getOpenFileName(window(), QStringLiteral("导入配置"), QString(), Filter());
    if (!path.isEmpty())
        Q_EMIT importRequested(path);
}

void ProfileMenu::chooseExport(bool includePassword)
{
    QString path = QFileDialog::getSaveFileName(window(), QStringLiteral("导出配置"),
                                                QStringLiteral("alarmcfg.json"), Filter());
    if (path.isEmpty())
        return;
    if (!path.contains(u'.'))
        path += QLatin1String(".json");
    Q_EMIT exportRequested(path, includePassword);
}
