#pragma once
// The presenter of a settings dialog, without widgets: the Qt dialog binds
// its controls to it, kxalarmctl drives it by value names, the tests call it
// directly.
//
//   load()   reads every row with its default, lets the dialog fill its lists,
//            applies the enabling and clearing rules.
//   change() is the operator's click, choice or typed text: bad input is
//            refused with a message and changes nothing; the rules run again.
//   ok()     runs the dialog's checks (the first failure shows its message and
//            nothing is written), then writes every key, also when unchanged.
//   cancel() writes nothing and returns the values to what was loaded.
//
// The model talks to the operator only through the message boxes of
// platform/MessageBoxes.h. Values are Windows-1252 bytes.

#include "settings/SettingRow.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kx::settings {

// One key that OK writes.
struct IniWrite {
    std::string file;
    std::string section;
    std::string key;
    std::string value;
};
using IniWrites = std::vector<IniWrite>;

class SettingsModel {
public:
    SettingsModel(std::string name, int titleId, std::vector<SettingRow> rows);
    virtual ~SettingsModel();
    SettingsModel(const SettingsModel&) = delete;
    SettingsModel& operator=(const SettingsModel&) = delete;

    // The name kxalarmctl knows the dialog by, and its caption.
    const std::string& name() const { return m_name; }
    int titleId() const { return m_titleId; }

    const std::vector<SettingRow>& rows() const { return m_rows; }
    const SettingRow* row(std::string_view name) const;

    void load();

    // The token of a value ("" for an unknown name).
    const std::string& value(std::string_view name) const;
    bool isOn(std::string_view name) const { return value(name) == "1"; }
    long number(std::string_view name) const;
    // Whether the value's control (or the button) is enabled now.
    bool isEnabled(std::string_view name) const;
    // The items a list offers now (dynamic lists are filled by the dialog).
    const std::vector<Option>& options(std::string_view name) const;

    Change change(std::string_view name, std::string_view token);

    // kxalarmctl's form of a value (as it is stored) and its change.
    std::string shown(std::string_view name) const;
    Change changeShown(std::string_view name, std::string_view text);

    // A button that acts at once. Done when it ran (its own messages may
    // have reported a failure), Disabled, or UnknownName.
    Change press(std::string_view button);

    bool ok();
    void cancel();

    // For the dialog's own logic: sets a token without checks or rules.
    void set(std::string_view name, std::string token);
    void setOptions(std::string_view name, std::vector<Option> items);
    // Re-applies the clearing rules (after set()).
    void applyRules();

protected:
    // After every row was read: fill dynamic lists, derive values.
    virtual void fill() {}
    // OK's checks, in order; show the failure's message and return false.
    virtual bool check() { return true; }
    // The keys OK writes, in order. Default: every row with a key that is
    // written on OK, in table order, with its token.
    virtual void collectWrites(IniWrites& writes) const;
    // A button of the dialog was pressed (it is enabled).
    virtual void pressed(std::string_view button);

    // The write of one row's key with its token.
    void addWrite(IniWrites& writes, std::string_view name) const;
    void addWrite(IniWrites& writes, std::string_view name, std::string value) const;
    // Writes in order, one locked batch per file; on failure shows an error
    // naming the file and returns false.
    static bool writeAll(const IniWrites& writes);
    // The value as the profile layer reads it for this row (default applied).
    static std::string readRow(const SettingRow& row);

private:
    SettingRow* mutableRow(std::string_view name);
    bool conditionHolds(const Condition& condition, int depth) const;
    bool enabledAt(const SettingRow& row, int depth) const;
    bool validate(const SettingRow& row, std::string_view input, std::string& token) const;

    std::string m_name;
    int m_titleId;
    std::vector<SettingRow> m_rows;
    std::map<std::string, std::string, std::less<>> m_values;
    std::map<std::string, std::string, std::less<>> m_loaded;
};

// A number as the settings dialogs read it: the integer profile call, but a
// missing key or a text that is not a number gives the default.
int ProfileNumber(std::string_view file, std::string_view section, std::string_view key, int def);

// The text that names a value in messages: its label without the trailing
// colon and blanks, else its name; as a message argument (Windows-1252).
std::string ValueCaption(const SettingRow& row);

}  // namespace kx::settings
