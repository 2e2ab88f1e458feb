#pragma once
// The dialogs of sequential and parallel alarming, the confirmation,
// conferences and the alarm result.

#include "settings/AlarmingSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class SequentialSettingsDialog final
    : public SettingsDialogFor<settings::SequentialSettings, SequentialSettingsDialog> {
    Q_OBJECT
public:
    SequentialSettingsDialog(settings::SequentialSettings& model, QWidget* parent);
};

class ParallelSettingsDialog final : public SettingsDialogFor<settings::ParallelSettings, ParallelSettingsDialog> {
    Q_OBJECT
public:
    ParallelSettingsDialog(settings::ParallelSettings& model, QWidget* parent);
};

class ConfirmationSettingsDialog final
    : public SettingsDialogFor<settings::ConfirmationSettings, ConfirmationSettingsDialog> {
    Q_OBJECT
public:
    ConfirmationSettingsDialog(settings::ConfirmationSettings& model, QWidget* parent);
};

class ConferenceSettingsDialog final
    : public SettingsDialogFor<settings::ConferenceSettings, ConferenceSettingsDialog> {
    Q_OBJECT
public:
    ConferenceSettingsDialog(settings::ConferenceSettings& model, QWidget* parent);
};

class AlarmResultSettingsDialog final
    : public SettingsDialogFor<settings::AlarmResultSettings, AlarmResultSettingsDialog> {
    Q_OBJECT
public:
    AlarmResultSettingsDialog(settings::AlarmResultSettings& model, QWidget* parent);
};

}  // namespace kx::ui
