#pragma once

#include <QString>
#include <vector>

// Every fact about a field of a page, one row per field: the widget it is,
// how it is kept in the settings store, how validation names it, how long it
// may be and where a profile holds it. The store, the validation, the profile
// and the pages all read these tables; the blocks say where a field travels.

enum class FieldType {
    PhoneNumber,    // up to sixteen digits among blanks and separators
    OneLineText,    // one line: a line break never reaches the unit inside a pass phrase
    MultiLineText,  // the SMS texts: every line up to the final line end
    Option,         // one option button of a group, stored as "True" or "False"
    CheckBox,       // the state as a number, stored as " 1 "
};

// The groups the store writes together, at the points of a page's write.
enum class StoreGroup {
    ComChoice,              // Option1..Option4: stored when the program ends
    PassPhrasesAndNumbers,  // after COMSMSAB
    AlarmSettings,          // after COMSMSA7
    RingTone,               // after COMSMSA4
    Sensors,                // after the sensor page's write
    NeverStored,            // the rewrite password: sent, never stored
};

// Where a profile holds a field. A main-page field is main.<group>.<name>
// (main.<name> without a group), element `index` of that array when index is
// 0 or more. A sensor-page field is sensors[index].<name>. An option names the
// value its group takes in the profile when it is selected; a check box is
// true when ticked. No name: the field is never in a profile.
struct ProfileName
{
    const char *group = nullptr;
    const char *name = nullptr;
    int index = -1;
    const char *optionValue = nullptr;
};

struct Field
{
    const char *control;        // the widget's objectName: "Text7"
    FieldType type;
    const char *key;            // settings key, the file <key>.cck; null when never stored
    const char *defaultValue;   // UTF-8: the value of a first run
    const char *label;          // how messages name the field (UTF-8, translated in labelText())
    int maxLength;              // characters (a text), digits (a number); 0 for none
    ProfileName profile;
    StoreGroup group;

    // The number in the control's name: 7 for Text7, 5 for Option5.
    int number() const;
    QString controlName() const { return QString::fromLatin1(control); }
    QString settingsKey() const { return QString::fromLatin1(key); }
    QString defaultText() const { return QString::fromUtf8(defaultValue); }
    QString labelText() const;
    bool isText() const;
    // The SMS-rewrite password: sent with every write, never stored.
    bool isRewritePassword() const { return group == StoreGroup::NeverStored; }
    // The four pass phrases and the password, the page's one-line texts: a
    // stranger who knows them controls the car.
    bool isSecret() const { return type == FieldType::OneLineText; }
};

using FieldTable = std::vector<Field>;

// The main page's fields in the order the page restores them from the store.
const FieldTable &MainPageFields();
// The sensor page's twenty fields: SMS1, Ttt1, ..., SMS10, Ttt10.
const FieldTable &SensorPageFields();

// The row of a control ("Text15"); the table must have it.
const Field &FieldOf(const FieldTable &table, const QString &control);

// The one field the main page sends and never stores: the SMS-rewrite password.
const Field &RewritePasswordField();
