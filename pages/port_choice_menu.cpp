#include "port_choice_menu.h"

#include "adapter_kind.h"
#include "other_ports.h"
#include "port_choices.h"
#include "serial_link.h"
#include "store.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

// "COM7  CH340/CH341 1a86:7523"
QString PortText(const SerialPortFacts &port)
{
    const QString adapter = (AdapterKind(port) + u' ' + UsbIds(port)).trimmed();
    return adapter.isEmpty() ? port.device : port.device + QLatin1String("  ") + adapter;
}

void ShowMenu(QAbstractButton &option, int com, SerialLink &link, Store &store,
              const std::function<void(int com)> &chosen)
{
    QMenu menu(&option);
    menu.setTitle(QCoreApplication::translate("PortChoice", "其他端口"));
    menu.addSection(QCoreApplication::translate("PortChoice", "COM%1 使用的端口").arg(com));
    const auto point = [&](const QString &device) {
        link.pointOption(com, device);
        StorePortChoice(store, com, device);
        store.takeErrors();  // not remembered: the choice holds for this run all the same
        chosen(com);
    };
    const QString current = link.map().device(com);
    QList<SerialPortFacts> ports = link.map().others();
    ports.prepend(link.map().facts(com));
    for (const SerialPortFacts &port : std::as_const(ports)) {
        QAction *action = menu.addAction(PortText(port));
        action->setCheckable(true);
        action->setChecked(port.device == current);
        QObject::connect(action, &QAction::triggered, &menu, [&point, device = port.device] { point(device); });
    }
    menu.addSeparator();
    QAction *own = menu.addAction(QCoreApplication::translate("PortChoice", "COM%1（本机端口）").arg(com));
    QObject::connect(own, &QAction::triggered, &menu, [&point] { point(QString()); });
    menu.exec(option.mapToGlobal(option.rect().bottomLeft()));
}

}  // namespace

void InstallPortChoiceMenus(QButtonGroup &options, SerialLink &link, Store &store,
                            const std::function<void(int com)> &chosen)
{
    if (!OtherPortsOffered())
        return;
    for (int com = 1; com <= 4; ++com) {
        QAbstractButton *option = options.button(com);
        option->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(option, &QWidget::customContextMenuRequested, option, [=, &link, &store] {
            ShowMenu(*option, com, link, store, chosen);
        });
    }
}
