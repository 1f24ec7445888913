#pragma once

class QButtonGroup;

// Option buttons of one frame: selecting one clears the others. Values
// restored from the store can leave a group with none selected, which an
// exclusive group alone does not allow.

// Selects the button with this id and clears the others; id 0 clears all.
void SelectOnly(QButtonGroup &group, int id);
// The selected button's id, 0 when none is selected.
int SelectedId(const QButtonGroup &group);
