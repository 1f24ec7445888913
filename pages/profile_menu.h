#pragma once

#include <QMenuBar>

// The main page's menu 文件 with 导入配置… and 导出配置…: it asks for the
// file with the usual dialogs and tells the page what to do.
class ProfileMenu : public QMenuBar
{
    Q_OBJECT

public:
    explicit ProfileMenu(QWidget *parent);

Q_SIGNALS:
    void importRequested(const QString &path);
    void exportRequested(const QString &path, bool includePassword);

private:
    void chooseImport();
    void chooseExport(bool includePassword);
};
