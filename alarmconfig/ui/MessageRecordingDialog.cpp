#include "alarmconfig/ui/MessageRecordingDialog.h"

#include "platform/ui/WidgetText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kNumberLabel = KX_TEXT("MessageRecordingDialog", "&Phone number:");
constexpr Text kDial = KX_TEXT("MessageRecordingDialog", "Dial selected number");
constexpr Text kCancel = KX_TEXT("MessageRecordingDialog", "Cancel");

}  // namespace

MessageRecordingDialog::MessageRecordingDialog(alarmconfig::MessageRecording& recording, QWidget* parent)
    : QDialog(parent),
      m_recording(recording)
{
    using alarmconfig::MessageRecording;
    setWindowTitle(Translated(MessageRecording::kTitle));
    auto* frame = new QGroupBox(FromUtf8(recording.frameText()), this);
    m_number = new QComboBox(frame);
    m_number->setObjectName(QStringLiteral("number"));
    m_number->setEditable(true);
    m_number->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& number : recording.history())
        m_number->addItem(FromBytes(number));
    m_number->setCurrentIndex(0);
    auto* label = new QLabel(Translated(kNumberLabel), frame);
    label->setBuddy(m_number);
    auto* note = new QLabel(FromUtf8(recording.note()), frame);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);

    auto* dial = new QPushButton(Translated(kDial), this);
    dial->setObjectName(QStringLiteral("dial"));
    dial->setDefault(true);
    auto* cancel = new QPushButton(Translated(kCancel), this);
    cancel->setObjectName(QStringLiteral("cancel"));

    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(label);
    numberRow->addWidget(m_number, 1);
    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addLayout(numberRow);
    inFrame->addWidget(note);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(dial);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(dial, &QPushButton::clicked, this, &MessageRecordingDialog::dial);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void MessageRecordingDialog::run(alarmconfig::MessageRecording::Kind kind, long key, const std::string& name,
                                 QWidget* parent)
{
    alarmconfig::MessageRecording recording(kind, key, name);
    recording.load();
    MessageRecordingDialog dialog(recording, parent);
    dialog.exec();
}

void MessageRecordingDialog::dial()
{
    // A character the files cannot hold becomes '?', which the number check refuses.
    if (m_recording.dial(ToBytesLossy(m_number->currentText())) == alarmconfig::MessageRecording::Outcome::Refused) {
        m_number->lineEdit()->selectAll();
        m_number->setFocus();
        return;
    }
    accept();
}

}  // namespace kx::ui
