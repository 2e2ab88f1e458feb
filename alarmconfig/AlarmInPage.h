#pragma once
// A function page of the alarm-in editor: the settings of one function (or
// of two that share a page, told apart by the variant) for one alarm-in.
// A page is a settings model whose rows are fields of the alarm-in's record
// (by logical name) and INI keys ("%d" stands for the alarm-in key); checks
// and special writes go into check(), collectRecordWrites() and
// collectWrites() as in any settings dialog.
//
// The editor loads a page for a key with loadFor() and saves it together
// with the alarm-in's common fields as one unit (AlarmInEditor). A page
// registers itself for its function types with one line in its .cpp:
//
//     const alarmconfig::PageRegistration<EvacuationPage> kPage({16});

#include "settings/SettingsModel.h"

#include <functional>
#include <memory>
#include <vector>

namespace kx::alarmconfig {

// The alarm-in functions whose pages choose an alarm into p_ogm3, and those
// with a whitelist (n_msg): a page shown for another function of the same
// group keeps that stored value.
bool StoresLaunchedAlarm(int function);
bool HasWhitelist(int function);

// The variant a page is loaded for: 4 and 5 for the two confirmation
// callbacks, 0 for every other function.
int VariantOfFunction(int function);

class AlarmInPage : public settings::SettingsModel {
public:
    AlarmInPage(std::vector<int> functions, std::vector<settings::SettingRow> rows);

    // The functions this page edits (two for the confirmation callback).
    const std::vector<int>& functions() const { return m_functions; }
    bool serves(int function) const;

    // Loads the page for `key` shown as `function`; `storedFunction` is the
    // function in the key's record. For another function the record rows
    // take what a new alarm-in holds (see settings::RecordSource), but
    // p_ogm3 between alarm-launching pages and n_msg between whitelist pages
    // keep their stored values. INI rows are read as always.
    void loadFor(long key, int function, int storedFunction);

    // After the editor wrote the record and the INI keys of a save: work
    // that needs the saved values (lists rebuilt from the table, questions
    // asked after saving). False when it failed; its message was shown.
    virtual bool afterSave() { return true; }

private:
    std::vector<int> m_functions;
};

// The page registry: which page edits which function.
using PageMaker = std::function<std::unique_ptr<AlarmInPage>()>;
void AddAlarmInPage(std::vector<int> functions, PageMaker make);
// A new page for a function; null for a function without a page (10, or a
// code outside 0 to 21).
std::unique_ptr<AlarmInPage> MakeAlarmInPage(int function);
// The functions that have a page, in the order of the function list; a
// function shared with an earlier one (5 after 4) is left out.
std::vector<int> PageFunctions();

template <typename Page>
struct PageRegistration {
    explicit PageRegistration(std::vector<int> functions)
    {
        AddAlarmInPage(std::move(functions), [] { return std::make_unique<Page>(); });
    }
};

}  // namespace kx::alarmconfig
