#pragma once
// One value of a settings dialog, declared once: where it is stored (an INI
// key, or a field of the loaded key's mailbox record), its default, what kind
// of control shows it, its label and list items, when its control is enabled
// or shown, when a rule clears it, and the range OK insists on.
//
// A dialog is a table of these rows. Loading, the enabling and clearing
// rules, the checks of typed input, the writes on OK, the widget binder and
// kxalarmctl all walk the same table.
//
// Every value is held as a token of bytes (Windows-1252): the decimal text of
// a number, "1"/"0" for a check box, the text of a text edit, and for a list
// or radio group the token of the chosen item, which is what OK writes (a
// list position "3", a key "4711", a name "QSIG"). A token that matches no
// item leaves the list without a selection and is written back unchanged.

#include "platform/Text.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CDatabase;

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
    Disabled,     // its control is disabled (or not shown): the operator cannot change it
    ReadOnly,     // a read-only field
    Refused,      // bad input: a message was shown, nothing changed
};

// An item of a list or a button of a radio group: the token it stands for
// and its text: a translatable label, or literal bytes such as digits or a
// name read from a table, or both (the bytes fill the label's %1).
struct Option {
    std::string token;
    Text label;
    std::string text;  // Windows-1252
};

// The items of a list that come from the site (alarms, alarms-in, modules),
// made when the dialog loads; `mailboxTable` is the open mailbox table or
// null when it does not open.
using ItemSource = std::function<std::vector<Option>(CDatabase* mailboxTable)>;

// "`name` holds one of `tokens`" (a check box: {"1"}). A condition on a
// value whose own control is disabled does not hold, so an option's inputs
// follow the option's check box and whatever enables that check box.
struct Condition {
    std::string name;
    std::vector<std::string> tokens;
};

struct ValueRange {
    long lowest = 0;
    long highest = 0;
    Text message;  // %1: the value
    // A spin edit's range: typed input outside it is refused at once; a
    // stored value outside it stays and is checked only when changed.
    bool typed = false;
};

struct SettingRow {
    std::string name;  // the INI key, or a short name for a value without a key of its own
    Kind kind = Kind::Text;
    // An INI key: bare file name (Windows directory) or stored path, section
    // and key; "%d" in the section or key stands for the loaded key.
    std::string file;
    std::string section;
    std::string key;
    // ... or a field of the loaded key's record, by its logical name ("p_ogm3").
    std::string field;
    std::string defaultValue;      // the default as a token ("7000", "1", "0123456789")
    std::size_t bufferSize = 256;  // INI texts are read into this many bytes (so at most size - 1 characters)
    Text labelText;                // the control's caption, also used to name the value in messages
    std::vector<Option> options;
    ItemSource itemSource;               // fills `options` when the dialog loads
    std::vector<Condition> enabledWhen;  // all must hold; empty: always enabled
    std::vector<Condition> visibleWhen;  // all must hold; a hidden value is not checked, written or compared
    std::vector<Condition> clearedWhen;  // when all hold, the value becomes clearValue
    std::string clearValue = "0";
    // A check box's stored texts. With explicit flags only the first reads
    // as ticked; otherwise any number but 0 does.
    std::string flagOn = "1";
    std::string flagOff = "0";
    bool exactFlags = false;
    std::optional<ValueRange> limits;  // checked by OK in table order, before the dialog's own checks
    bool writtenOnOk = true;           // part of the default writes of OK (table order)
    bool numeric = false;              // read as a number (a missing key or a non-number gives the default)
    bool holdsVariant = false;         // VariantValue
    // A control's own state that is no value of its own, such as the tick
    // box in front of a list whose field stores "the chosen key when ticked,
    // else 0": kxalarmctl neither prints nor sets it (the field's value
    // carries it), it is never written, read or compared.
    bool listed = true;
    // A control of a function not built yet: shown, never enabled.
    bool available = true;
    // A password: its edit shows no characters and kxalarmctl prints one
    // "*" per character, so that it never appears on a screen or in a log.
    bool secret = false;
    // A button that opens another settings dialog (by its name): the window
    // opens it; kxalarmctl points to that dialog instead.
    std::string opensDialog;

    // A custom mapping from the file to the token (default: by kind).
    std::function<std::string(const SettingRow&)> read;
    // kxalarmctl's form of the value and its parser (default: the token).
    std::function<std::string(const SettingsModel&)> show;
    std::function<Change(SettingsModel&, std::string_view)> assign;

    // --- Builders, so that a table reads like the key tables of the dialogs.
    SettingRow& at(std::string iniFile, std::string iniSection, std::string iniKey = {});
    SettingRow& label(Text text);
    SettingRow& items(std::vector<Option> list);
    SettingRow& itemsFrom(ItemSource source);
    SettingRow& when(std::string valueName, std::vector<std::string> valueTokens = {"1"});
    SettingRow& shownWhen(std::string valueName, std::vector<std::string> valueTokens);
    SettingRow& clearedIf(std::vector<Condition> conditions, std::string value = "0");
    SettingRow& flags(std::string on, std::string off);
    SettingRow& range(long lowest, long highest, Text message);
    SettingRow& spin(long lowest, long highest);
    SettingRow& buffer(std::size_t size);
    SettingRow& notWrittenOnOk();
    SettingRow& asNumber();
    SettingRow& unlisted();
    SettingRow& unavailable();
    SettingRow& password();
    SettingRow& opens(std::string dialogName);
    SettingRow& readBy(std::function<std::string(const SettingRow&)> reader);
    SettingRow& shownAs(std::function<std::string(const SettingsModel&)> shower,
                        std::function<Change(SettingsModel&, std::string_view)> assigner);

    bool hasKey() const { return !file.empty() && !key.empty(); }
    bool inRecord() const { return !field.empty(); }
    // The option of a token; nullptr when the token is not an item.
    const Option* option(std::string_view token) const;
};

// INI rows of each kind. `file`/`section` name where the value lives; the
// key is the row's name unless at() gives another.
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

// Rows of the loaded key's record, by logical name (the default: 0 or empty).
SettingRow IntField(std::string name, std::string logicalName);
SettingRow CheckField(std::string name, std::string logicalName);  // "1" ticked, "0" not; flags() for others
SettingRow TextField(std::string name, std::string logicalName);
// An alarm or alarm-in chosen by key from a list (see ItemSources.h).
SettingRow KeyField(std::string name, std::string logicalName, ItemSource items);

SettingRow DisplayValue(std::string name, Text label = {});
SettingRow ViewValue(std::string name, std::function<std::string(const SettingsModel&)> shower,
                     std::function<Change(SettingsModel&, std::string_view)> assigner);
// The variant a page was loaded for (load(key, variant)), for shownWhen().
SettingRow VariantValue(std::string name);
SettingRow ButtonRow(std::string name, Text label);

// Items "0" .. "n-1" or any run of digits as literal texts and tokens.
std::vector<Option> DigitItems(int first, int last);
// Items with translatable texts whose tokens are their positions.
std::vector<Option> PositionItems(std::vector<Text> texts);

}  // namespace kx::settings
