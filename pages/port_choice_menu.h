#pragma once

#include <functional>

class QButtonGroup;
class SerialLink;
class Store;

// Where the system offers other ports (see OtherPortsOffered), each COM
// option gets a context menu "其他端口": the ports no option stands for,
// with their adapters, and the option's own port. The choice is remembered
// in the store and `chosen` is told the option, which it then selects.
void InstallPortChoiceMenus(QButtonGroup &options, SerialLink &link, Store &store,
                            const std::function<void(int com)> &chosen);
