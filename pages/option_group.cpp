#include "option_group.h"

#include <QAbstractButton>
#include <QButtonGroup>

void SelectOnly(QButtonGroup &group, int id)
{
    group.setExclusive(false);
    for (QAbstractButton *button : group.buttons())
        button->setChecked(group.id(button) == id);
    group.setExclusive(true);
}

int SelectedId(const QButtonGroup &group)
{
    return group.checkedId() > 0 ? group.checkedId() : 0;
}
