#pragma once
// One value of a settings dialog, declared once: where it is stored (file,
// section, key, default), what kind of control shows it, the texts of its
// list items, when its control is enabled and when a rule clears it.
//
// A dialog is a table of these rows. Loading, the enabling and clearing
// rules, the checks of typed input, the writes on OK, the widget binder and
// kxalarmctl all walk the same table.
//
// Every value is held as a token of bytes (Windows-1252): the decimal text of
// a number, "1"/"0" for a check box, the text of a text edit, and for a list
// or radio group the token of the chosen item, which is what OK writes (a
// list position "3", a digit "7", a name "QSIG"). A token that matches no
// item leaves the list without a selection and is written back unchanged.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kx::settings {

class SettingsModel;

enum class Kind {
    Int,      // number edit: decimal text; typed text must be a whole number
    Check,    // check box: "1" or "0"
    Text,     // text edit (or the edit of an editable list): bytes as entered
    List,     // drop-down list: the token of the chosen item
    Radio,    // radio group: the token of the chosen button
    Display,  // read-only field the dialog fills itself; never read or written as a key
    View,     // a value by name only (kxalarmctl), computed from other values
    Button,   // a push button that acts at once (the model's press())
};

// What became of an operator's change of a value.
enum class Change {
    Done,
    UnknownName,  // no value of that name
    Disabled,     // its control is disabled: the operator cannot change it
    ReadOnly,     // a read-only field
    Refused,      // bad input: a message was shown, nothing changed
};

// An item of a list or a button of a radio group: the token it stands for
// and its text (a string-table number, or literal bytes such as digits or a
// name read from a table).
struct Option {
    std::string token;
    int textId = 0;
    std::string text;  // used when textId is 0 (Windows-1252)
};

// "`name` holds one of `tokens`" (a check box: {"1"}). A condition on a
// value whose own control is disabled does not hold, so an option's inputs
// follow the option's check box and whatever enables that check box.
struct Condition {
    std::string name;
    std::vector<std::string> tokens;
};

struct SettingRow {
    std::string name;  // the INI key, or a short name for a value without a key of its own
    Kind kind = Kind::Text;
    std::string file;  // bare INI name (Windows directory) or stored path; empty: no key
    std::string section;
    std::string key;
    std::string defaultValue;      // the default as a token ("7000", "1", "0123456789")
    std::size_t bufferSize = 256;  // texts are read into this many bytes (so at most size - 1 characters)
    int labelId = 0;               // the control's caption, also used to name the value in messages
    std::vector<Option> options;
    std::vector<Condition> enabledWhen;  // all must hold; empty: always enabled
    std::vector<Condition> clearedWhen;  // when all hold, the value becomes clearValue
    std::string clearValue = "0";
    bool writtenOnOk = true;  // part of the default writes of OK (table order)
    bool numeric = false;     // read with the integer profile call (a non-number gives the default)

    // A custom mapping from the file to the token (default: by kind).
    std::function<std::string(const SettingRow&)> read;
    // kxalarmctl's form of the value and its parser (default: the token).
    std::function<std::string(const SettingsModel&)> show;
    std::function<Change(SettingsModel&, std::string_view)> assign;

    // --- Builders, so that a table reads like the key tables of the dialogs.
    SettingRow& at(std::string iniFile, std::string iniSection, std::string iniKey = {});
    SettingRow& label(int stringId);
    SettingRow& items(std::vector<Option> list);
    SettingRow& when(std::string valueName, std::vector<std::string> valueTokens = {"1"});
    SettingRow& clearedIf(std::vector<Condition> conditions, std::string value = "0");
    SettingRow& buffer(std::size_t size);
    SettingRow& notWrittenOnOk();
    SettingRow& asNumber();
    SettingRow& readBy(std::function<std::string(const SettingRow&)> reader);
    SettingRow& shownAs(std::function<std::string(const SettingsModel&)> shower,
                        std::function<Change(SettingsModel&, std::string_view)> assigner);

    bool hasKey() const { return !file.empty() && !key.empty(); }
    // The option of a token; nullptr when the token is not an item.
    const Option* option(std::string_view token) const;
};

// Rows of each kind. `file`/`section` name where the value lives; the key is
// the row's name unless at() gives another.
SettingRow IntSetting(std::string name, std::string file, std::string section, int def);
SettingRow CheckSetting(std::string name, std::string file, std::string section, bool def);
SettingRow TextSetting(std::string name, std::string file, std::string section, std::string def = {},
                       std::size_t bufferSize = 256);
// A list whose items stand for their positions 0, 1, 2 ... (read and written as numbers).
SettingRow ListPositionSetting(std::string name, std::string file, std::string section, int def,
                               std::vector<Option> items);
// A list or radio group whose items stand for tokens of their own.
SettingRow ListSetting(std::string name, std::string file, std::string section, std::string def,
                       std::vector<Option> items);
SettingRow RadioSetting(std::string name, std::string file, std::string section, std::string def,
                        std::vector<Option> buttons);
SettingRow DisplayValue(std::string name, int labelId = 0);
SettingRow ViewValue(std::string name, std::function<std::string(const SettingsModel&)> shower,
                     std::function<Change(SettingsModel&, std::string_view)> assigner);
SettingRow ButtonRow(std::string name, int labelId);

// Items "0" .. "n-1" or any run of digits as literal texts and tokens.
std::vector<Option> DigitItems(int first, int last);
// Items with string-table texts whose tokens are their positions.
std::vector<Option> PositionItems(std::vector<int> textIds);

}  // namespace kx::settings
