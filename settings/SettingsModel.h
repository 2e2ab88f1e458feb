#pragma once
// The presenter of a settings dialog or page, without widgets: the Qt dialog
// binds its controls to it, kxalarmctl drives it by value names, the tests
// call it directly.
//
//   load()      reads every row with its default, fills the lists from their
//               sources, lets the dialog derive its values, applies the
//               enabling and clearing rules. load(key, variant) does the same
//               for one key: rows of its mailbox record, "%d" in INI names.
//   change()    is the operator's click, choice or typed text: bad input (also
//               a text or number too long for its record field) is refused
//               with a message and changes nothing; the rules run again.
//   modified()  a value differs from what was loaded (or last written).
//   ok()        checks the rows' ranges in table order, then the dialog's own
//               checks (the first failure shows its message, nothing is
//               written); then writes the record as one unit and every INI
//               key, also when unchanged. Any failure: a message, false, and
//               the values as loaded stay what Cancel returns to.
//   cancel()    writes nothing and returns the values to what was loaded, or
//               to what the last OK wrote.
//
// The model talks to the operator only through the message boxes of
// platform/MessageBoxes.h. Values are Windows-1252 bytes.

#include "settings/SettingRow.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kx::settings {

// Refusals of the pattern that dialogs with rules of their own show too.
constexpr Text kNotAnItem = KX_TEXT("SettingsModel", "\"%2\" is not a choice of \"%1\".");

// One key that OK writes.
struct IniWrite {
    std::string file;
    std::string section;
    std::string key;
    std::string value;
};
using IniWrites = std::vector<IniWrite>;

// One field of the loaded key's record that OK writes, by logical name.
struct RecordWrite {
    std::string field;
    std::string value;
};
using RecordWrites = std::vector<RecordWrite>;

// Where load(key, variant, source) takes the values of the record rows from.
struct RecordSource {
    // As a new alarm-in has them (the fields a new record gets, every other
    // one 0 or empty), not as stored: a page shown for a function the key
    // does not have yet must not take fields stored for another function.
    bool asNew = false;
    std::vector<std::string> keep;  // ... except these logical names, read as stored
};

class SettingsModel {
public:
    SettingsModel(std::string name, Text title, std::vector<SettingRow> rows);
    virtual ~SettingsModel();
    SettingsModel(const SettingsModel&) = delete;
    SettingsModel& operator=(const SettingsModel&) = delete;

    // The name kxalarmctl knows the dialog by, and its caption.
    const std::string& name() const { return m_name; }
    const Text& title() const { return m_title; }

    const std::vector<SettingRow>& rows() const { return m_rows; }
    const SettingRow* row(std::string_view name) const;

    void load();
    // A page of one key; `variant` tells a page that serves two functions which one.
    void load(long key, int variant = 0);
    void load(long key, int variant, const RecordSource& source);
    long key() const { return m_key; }
    int variant() const { return m_variant; }

    // The token of a value ("" for an unknown name).
    const std::string& value(std::string_view name) const;
    bool isOn(std::string_view name) const { return value(name) == "1"; }
    long number(std::string_view name) const;
    // Whether the value's control (or the button) is shown and enabled now.
    bool isEnabled(std::string_view name) const;
    bool isShown(std::string_view name) const;
    // The items a list offers now.
    const std::vector<Option>& options(std::string_view name) const;
    bool modified() const;

    // A model whose values act beyond the rules (choosing another key to
    // edit) takes the change itself and calls this one for the rest.
    virtual Change change(std::string_view name, std::string_view token);

    // kxalarmctl's form of a value (as it is stored) and its change.
    std::string shown(std::string_view name) const;
    Change changeShown(std::string_view name, std::string_view text);

    // A button that acts at once. Done when it ran, Refused when its work
    // failed (its message was shown), Disabled, or UnknownName.
    Change press(std::string_view button);

    bool ok();
    void cancel();

    // The steps of ok(), for a caller that saves several models of one key
    // as one unit (a dialog and the page it shows): the checks (ranges, then
    // check()) of every model first, then one record write of all their
    // fields, the INI keys, and saved() on each.
    bool checkValues();
    RecordWrites recordWrites() const;
    IniWrites iniWrites() const;
    // What was written becomes what modified() compares with and Cancel returns to.
    void saved();
    // Writes INI keys in order, one locked batch per file; on failure shows
    // an error naming the file and returns false.
    static bool writeAll(const IniWrites& writes);
    // The mailbox table the model opened for its rows and lists (null when none or it did not open).
    CDatabase* table() const { return m_table.get(); }
    // The key's record was read when the model loaded.
    bool recordLoaded() const { return m_recordLoaded; }

    // For the dialog's own logic: sets a token without checks or rules.
    void set(std::string_view name, std::string token);
    void setOptions(std::string_view name, std::vector<Option> items);
    // Re-applies the clearing rules (after set()).
    void applyRules();

protected:
    // After every row was read: fill dynamic lists, derive values.
    virtual void fill() {}
    // The operator changed `name` (change() took it), before the clearing
    // rules run: keep values that depend on it in step (set()).
    virtual void changed(std::string_view /*name*/) {}
    // OK's own checks, after the ranges, in order; show the failure's message and return false.
    virtual bool check() { return true; }
    // The INI keys OK writes, in order. Default: every shown row with a key
    // that is written on OK, in table order, with its stored form.
    virtual void collectWrites(IniWrites& writes) const;
    // OK wrote the values; work that needs them saved (the dialog closes
    // whatever this reports).
    virtual void afterWrite() {}
    // A button of the dialog was pressed (it is enabled).
    virtual void pressed(std::string_view button);
    // Called by pressed() when the button's work failed (after showing why):
    // press() then reports Refused, so that a caller such as kxalarmctl
    // does not take the failure for success.
    void pressFailed() { m_pressFailed = true; }

    // The record fields OK writes. Default: every shown record row written
    // on OK, in table order, with its stored form.
    virtual void collectRecordWrites(RecordWrites& writes) const;
    void addRecordWrite(RecordWrites& writes, std::string_view name) const;
    void addRecordWrite(RecordWrites& writes, std::string_view name, std::string value) const;
    // A row's token as it is stored ("1"/"-1" for a check box with those flags).
    std::string stored(std::string_view name) const;

    // The write of one row's key with its stored form, or with `value`.
    void addWrite(IniWrites& writes, std::string_view name) const;
    void addWrite(IniWrites& writes, std::string_view name, std::string value) const;

private:
    SettingRow* mutableRow(std::string_view name);
    bool conditionsHold(const std::vector<Condition>& conditions, int depth) const;
    bool conditionHolds(const Condition& condition, int depth) const;
    bool enabledAt(const SettingRow& row, int depth) const;
    bool validate(const SettingRow& row, std::string_view input, std::string& token) const;
    bool fitsField(const SettingRow& row, const std::string& token) const;
    std::string keyed(const std::string& name) const;
    std::string stored(const SettingRow& row) const;
    std::string readIni(const SettingRow& row) const;
    std::string readField(const SettingRow& row, const RecordSource& source) const;
    bool checkRanges() const;
    bool writeRecord();

    std::string m_name;
    Text m_title;
    std::vector<SettingRow> m_rows;
    std::map<std::string, std::string, std::less<>> m_values;
    std::map<std::string, std::string, std::less<>> m_loaded;
    long m_key = -1;
    int m_variant = 0;
    // The mailbox table while the dialog is open, for record rows and lists.
    std::unique_ptr<CDatabase> m_table;
    bool m_recordLoaded = false;  // the key's record was read
    std::string m_loadedStatus;   // its status then; a save expects it unchanged
    bool m_pressFailed = false;   // the button being pressed reported a failure
};

// Writes `writes` into the record of `key` as one unit: under the record
// lock the status is read again and must still be `expectedStatus` (another
// program may have freed or reused the key); the fields then go in one
// flush, and any failure drops them all, so the record stays as it was.
// Failures are shown (naming the key) and give false. No writes: true.
bool WriteRecordUnit(CDatabase& table, long key, std::string_view expectedStatus, const RecordWrites& writes);

// A number as the settings dialogs read it: the integer profile call, but a
// missing key or a text that is not a number gives the default.
int ProfileNumber(std::string_view file, std::string_view section, std::string_view key, int def);

// The text that names a value in messages: its label without the trailing
// colon and blanks, else its name; as a message argument (Windows-1252).
std::string ValueCaption(const SettingRow& row);

}  // namespace kx::settings
