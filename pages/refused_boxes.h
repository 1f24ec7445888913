#pragma once

#include <QStringList>

class QWidget;

// After a refused write: every box the refusal named (by control name, as
// WriteResult::refusedFields holds them) gets a red frame and the property
// "refused" until its text is edited, and the focus goes into the first of
// them, so that the user starts where the message pointed.
void MarkRefusedBoxes(QWidget &page, const QStringList &controls);
