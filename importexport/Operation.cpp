#include "importexport/Operation.h"

#include "platform/MessageBoxes.h"
#include "platform/Profile.h"

namespace kx::importexport {

namespace {

constexpr Text kAlarmsImported = KX_TEXT("ImportExport", "Alarm data was successfully imported.");
constexpr Text kConfigurationImported =
    KX_TEXT("ImportExport", "The alarm configuration has been successfully imported from the CSV file.");
constexpr Text kPersonsImported = KX_TEXT("ImportExport", "Personnel data was successfully imported.");
constexpr Text kRemarks =
    KX_TEXT("ImportExport", "%1 values or lines were not taken as they stood; the first of them:\n%2");

// The remarks a box shows at most.
constexpr std::size_t kRemarksShown = 20;

}  // namespace

ProgressSteps::ProgressSteps(const OperationControl& control, Phase phase, long total)
    : m_control(control),
      m_phase(phase),
      m_total(total < 0 ? 0 : total)
{
    at(0);
}

void ProgressSteps::at(long done)
{
    if (!m_control.progress)
        return;
    // The start, then each whole percentage; the end is the last of them.
    const int percent = m_total == 0 ? 100 : static_cast<int>(done * 100 / m_total);
    if (m_percent >= 0 && percent <= m_percent)
        return;
    m_percent = percent;
    m_control.progress(m_phase, done, m_total);
}

std::string CsvSeparators()
{
    constexpr const char* kMissing = "\x01missing";
    const std::string value = ProfileString("kxalarm.ini", "config", "CSVSeparationChar", kMissing, 10);
    return value == kMissing ? std::string(";") : value;
}

void ShowResult(Operation operation, const OperationResult& result)
{
    if (result.outcome == Outcome::Cancelled)
        return;
    if (result.outcome == Outcome::Refused || result.outcome == Outcome::Stopped) {
        ErrorBoxText(result.error);
        return;
    }
    if (!result.remarks.empty()) {
        std::string shown;
        for (std::size_t i = 0; i < result.remarks.size() && i < kRemarksShown; ++i)
            shown += (i ? "\n" : "") + result.remarks[i];
        ErrorBoxText(Tr(kRemarks, std::to_string(result.remarks.size()), shown));
        return;
    }
    switch (operation) {
    case Operation::AlarmImport:
        InfoBox(kAlarmsImported);
        InfoBox(kConfigurationImported);
        break;
    case Operation::PersonsImport:
        InfoBox(kPersonsImported);
        break;
    case Operation::AlarmExport:
        break;  // an export that went well says nothing
    }
}

}  // namespace kx::importexport
