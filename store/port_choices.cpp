#include "port_choices.h"

QString PortChoiceKey(int com)
{
    return QStringLiteral("comdev%1").arg(com);
}

std::array<QString, 4> ReadPortChoices(Store &store)
{
    std::array<QString, 4> devices;
    for (int com = 1; com <= 4; ++com) {
        const QString key = PortChoiceKey(com);
        if (store.contains(key))
            devices[com - 1] = store.read(key).value_or(QString()).trimmed();
    }
    return devices;
}

bool StorePortChoice(Store &store, int com, const QString &device)
{
    store.ensureDirectory();
    return store.write(PortChoiceKey(com), device);
}
