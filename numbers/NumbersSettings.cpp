#include "numbers/NumbersSettings.h"

#include "numbers/DdiCliScanner.h"
#include "numbers/DdiConverter.h"

namespace kx::numbers {

void RegisterSettingsDialogs(settings::SettingsRegistry& registry)
{
    registry.add({"ddi-converter", "DDI Converter: DDI conversion settings and a test run of kxaddiconv",
                  "TestDDI\tthe DDI to test (the edit of the test list)\n"
                  "AfterSuppress .. Result\tthe results of the last test, read-only",
                  [] { return std::make_unique<DdiConverter>(); }});
    registry.add({"ddi-cli-scanner", "DDI - CLI Alarm scanner: alarm names of the form DDI.CLI", "",
                  [] { return std::make_unique<DdiCliScanner>(); }});
}

}  // namespace kx::numbers
