#pragma once
// The settings of how the alarm server alarms persons: sequential and
// parallel alarming, the confirmation, conferences and the alarm result.
//
// Sequential and parallel alarming share one call-back number for SMS and
// pager alarms, kept in two files (kxamsg.ini and kxapagcb.ini): OK writes it
// into both only while the call back is checked, so a cleared box leaves the
// stored numbers as they are. "RepeatMessage" is a spin edit of 1 to 50.
//
// The conference's maximum duration is stored in seconds and shown in whole
// minutes ("MaxDurationMinutes"); OK writes the stored seconds back unchanged
// until the minutes are changed.

#include "settings/SettingsModel.h"

namespace kx::settings {

// The sequential and the parallel alarming dialog.
class AlarmingModeSettings : public SettingsModel {
protected:
    AlarmingModeSettings(std::string name, Text title, std::vector<SettingRow> rows)
        : SettingsModel(std::move(name), title, std::move(rows))
    {}
    void collectWrites(IniWrites& writes) const override;
    // The keys written after the call back, in order.
    virtual std::vector<const char*> laterKeys() const = 0;
};

class SequentialSettings final : public AlarmingModeSettings {
public:
    static constexpr const char* kName = "sequential";
    static constexpr Text kTitle = KX_TEXT("SequentialSettings", "Settings for sequential alarming");
    SequentialSettings();

protected:
    std::vector<const char*> laterKeys() const override { return {"SleepAfterPage", "DialMoreNbrsOnKo"}; }
};

class ParallelSettings final : public AlarmingModeSettings {
public:
    static constexpr const char* kName = "parallel";
    static constexpr Text kTitle = KX_TEXT("ParallelSettings", "Settings for parallel alarming");
    ParallelSettings();

protected:
    std::vector<const char*> laterKeys() const override { return {"DialMoreNbrsOnKo", "Rings0Allowed"}; }
};

class ConfirmationSettings final : public SettingsModel {
public:
    static constexpr const char* kName = "confirmation";
    static constexpr Text kTitle = KX_TEXT("ConfirmationSettings", "Settings for the confirmation");
    ConfirmationSettings();
};

class ConferenceSettings final : public SettingsModel {
public:
    static constexpr const char* kName = "conference";
    static constexpr Text kTitle = KX_TEXT("ConferenceSettings", "Conference settings");
    ConferenceSettings();

protected:
    void fill() override;
    void collectWrites(IniWrites& writes) const override;

private:
    long m_storedSeconds = 0;  // as loaded or last written
};

class AlarmResultSettings final : public SettingsModel {
public:
    static constexpr const char* kName = "alarm-result";
    static constexpr Text kTitle = KX_TEXT("AlarmResultSettings", "Settings of the alarm analysis");
    AlarmResultSettings();
};

}  // namespace kx::settings
