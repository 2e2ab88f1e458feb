#pragma once
// A sentence with a control in it ("Only use the last %1 digits of ..."):
// one translatable text, split around the control where the translation
// puts "%1", so that no sentence is cut into pieces for the translators.

#include "platform/Text.h"
#include "settings/SettingsModel.h"

#include <QString>

class QHBoxLayout;
class QWidget;

namespace kx::ui {

struct SentenceParts {
    QString before;  // the text in front of the control
    QString after;   // ... and behind it
};

SentenceParts SplitAtControl(const Text& sentence);

// "<name>_label" with the text before, the control, "<name>_unit" with the
// text after, for a value whose label is such a sentence.
QHBoxLayout* SentenceRow(const settings::SettingsModel& model, const std::string& name, QWidget* control,
                         QWidget* parent);

}  // namespace kx::ui
