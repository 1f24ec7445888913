#include "profile_opening.h"

#include "main_page.h"
#include "message_sink.h"
#include "profile_transfer.h"
#include "store.h"

#include <QCoreApplication>
#include <QDir>

bool OpenProfileWhenAsked(MainPage &page, Store &store, MessageSink &messages, const QString &path,
                          const QString &backupPath)
{
    const QString title = QCoreApplication::translate("ProfileOpening", "打开配置文件");
    const QString question =
        QCoreApplication::translate("ProfileOpening",
                                    "要用配置文件“%1”中的设置（包括密语）替换已保存的设置吗？\n"
                                    "替换前，已保存的设置会另存为“%2”，可以再导入。")
            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backupPath));
    if (!messages.confirm(title, question, QCoreApplication::translate("ProfileOpening", "不导入"),
                          QCoreApplication::translate("ProfileOpening", "导入")))
        return false;
    // Without a copy of what was there, nothing is replaced.
    if (const QString error = ExportProfile(backupPath, ProfileFromStore(store)); !error.isEmpty() || store.hasErrors()) {
        store.takeErrors();
        messages.showError(title, QCoreApplication::translate("ProfileOpening",
                                                              "已保存的设置无法另存为“%1”，没有导入任何设置：%2")
                                      .arg(QDir::toNativeSeparators(backupPath), error));
        return false;
    }
    return page.importProfile(path);
}
