#pragma once

#include <QMenuBar>

class QMenu;

// The main page's menu 文件 with 导入配置…, 导出配置…, 批量写入… and 写入记录…:
// it asks for the file with the usual dialogs and tells the page what to do.
// Alt+F and F10 open it from the keyboard.
class ProfileMenu : public QMenuBar
{
    Q_OBJECT

public:
    explicit ProfileMenu(QWidget *parent);

    QMenu *fileMenu() const { return m_file; }

Q_SIGNALS:
    void importRequested(const QString &path);
    void exportRequested(const QString &path, bool includePassword);
    // Write one unit after another from the profile at `path`.
    void batchRequested(const QString &path);
    void historyRequested();

private:
    QString chooseProfile(const QString &title);
    void chooseExport(bool includePassword);

    QMenu *m_file;
};
