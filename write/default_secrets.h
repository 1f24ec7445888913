#pragma once

#include "message_sink.h"
#include "page_fields.h"
#include "page_values.h"

#include <QList>
#include <QString>

// The four pass phrases and the SMS-rewrite password start from defaults
// printed in every copy of this program (the password always does: it is
// never stored). A unit written with one of them answers anyone who has read
// them, so no write sends one without being asked to.

// The secrets of the page that still hold their published default, in the
// order of the page's fields.
QList<const Field *> SecretsAtDefault(const MainPageValues &values);

// Their labels as the page's messages name them: "“切断汽车油路”密语、…".
QString SecretLabels(const QList<const Field *> &secrets);

// The window's question before a write that would send any of them: true
// when none is at its default, or when the user chose to write anyway
// (返回修改 is the default answer).
bool ConfirmDefaultSecrets(const MainPageValues &values, MessageSink &messages);

// The command line's refusal naming them, or nothing when none is at its default.
QString DefaultSecretsRefusal(const MainPageValues &values);
