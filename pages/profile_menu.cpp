#include "profile_menu.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QShortcut>

namespace {

// Profiles are of their own file type (packaging/alarmcfg-mime.xml), known by this ending.
constexpr char kProfileEnding[] = ".alarmcfg.json";

QString Filter()
{
    return QCoreApplication::translate("ProfileMenu", "配置文件 (*.alarmcfg.json *.json);;所有文件 (*)");
}

}  // namespace

ProfileMenu::ProfileMenu(QWidget *parent) : QMenuBar(parent), m_file(addMenu(QCoreApplication::translate("ProfileMenu", "文件(&F)")))
{
    setObjectName(QStringLiteral("ProfileMenu"));
    m_file->addAction(QCoreApplication::translate("ProfileMenu", "导入配置…"), this, [this] {
        if (const QString path = chooseProfile(QCoreApplication::translate("ProfileMenu", "导入配置")); !path.isEmpty())
            Q_EMIT importRequested(path);
    });
    m_file->addAction(QCoreApplication::translate("ProfileMenu", "导出配置…"), this, [this] { chooseExport(false); });
    // A profile is passed around, so the password goes in only when asked for.
    m_file->addAction(QCoreApplication::translate("ProfileMenu", "导出配置（含安全密语）…"), this, [this] { chooseExport(true); });
    m_file->addSeparator();
    m_file->addAction(QCoreApplication::translate("ProfileMenu", "批量写入…"), this, [this] {
        if (const QString path = chooseProfile(QCoreApplication::translate("ProfileMenu", "批量写入")); !path.isEmpty())
            Q_EMIT batchRequested(path);
    });
    m_file->addAction(QCoreApplication::translate("ProfileMenu", "写入记录…"), this, &ProfileMenu::historyRequested);

    // F10 opens the menu, as in most desktop programs.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), parent);
    connect(f10, &QShortcut::activated, this, [this] { setActiveAction(m_file->menuAction()); });
}

QString ProfileMenu::chooseProfile(const QString &title)
{
    return QFileDialog::getOpenFileName(window(), title, QString(), Filter());
}

void ProfileMenu::chooseExport(bool includePassword)
{
    QString path = QFileDialog::getSaveFileName(window(), QCoreApplication::translate("ProfileMenu", "导出配置"),
                                                QLatin1String("profile") + QLatin1String(kProfileEnding), Filter());
    if (path.isEmpty())
        return;
    if (!path.contains(u'.'))
        path += QLatin1String(kProfileEnding);
    Q_EMIT exportRequested(path, includePassword);
}
