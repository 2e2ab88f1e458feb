#pragma once
// "Record / play the alarm message": the number to call (the last ten
// dialled numbers to choose from, or a new one) and the prefix note;
// "Dial selected number" posts the recording job and closes the dialog,
// unless the number was refused.

#include "alarmconfig/MessageRecording.h"

#include <QDialog>

class QComboBox;

namespace kx::ui {

class MessageRecordingDialog final : public QDialog {
    Q_OBJECT
public:
    // `recording` is loaded and outlives the dialog.
    MessageRecordingDialog(alarmconfig::MessageRecording& recording, QWidget* parent);

    // Loads the recording of `key` (`name` as its list shows it) and runs the dialog modally.
    static void run(alarmconfig::MessageRecording::Kind kind, long key, const std::string& name, QWidget* parent);

private:
    void dial();

    alarmconfig::MessageRecording& m_recording;
    QComboBox* m_number = nullptr;
};

}  // namespace kx::ui
