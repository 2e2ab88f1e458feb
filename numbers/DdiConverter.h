#pragma once
// "DDI Converter": the settings of the DDI conversion that the script module
// kxaddiconv performs for the server, and a test run of that module.
//
// Values besides the keys of section "kxaddiconv": "TestDDI", the number to
// test (the edit of the drop-down list that offers the last ten tests), and
// the thirteen read-only results, named like their "ResultData" keys.
// Buttons: "test" runs the module on TestDDI with the settings as they
// stand in the dialog; "refresh" shows the results again.

#include "settings/SettingsModel.h"

#include <string>
#include <vector>

namespace kx::numbers {

class DdiConverter final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "ddi-converter";
    static constexpr Text kTitle = KX_TEXT("DdiConverter", "DDI Converter");

    DdiConverter();

    // The result keys, in the order of the steps.
    static const std::vector<std::string>& ResultKeys();
    // The module's command line.
    static constexpr const char* kTestCommand = "kxe kxaddiconv 1 -s1TestDDI";

protected:
    void fill() override;
    void pressed(std::string_view button) override;

private:
    void test();
    void refresh();
};

}  // namespace kx::numbers
