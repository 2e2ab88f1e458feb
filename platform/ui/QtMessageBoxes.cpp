#include "platform/ui/QtMessageBoxes.h"

#include "platform/ui/WidgetText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QMetaObject>
#include <QRadioButton>
#include <QThread>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

// Runs `show` on the user-interface thread and returns its result.
template <typename Show>
auto onGuiThread(Show show) -> decltype(show())
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return show();
    decltype(show()) result{};
    QMetaObject::invokeMethod(
        app, [&] { result = show(); }, Qt::BlockingQueuedConnection);
    return result;
}

int showBox(QMessageBox::Icon icon, const std::string& caption, const std::string& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, FromUtf8(caption), FromUtf8(text), buttons, QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

void QtMessageBoxes::showError(const std::string& caption, const std::string& text)
{
    onGuiThread([&] { return showBox(QMessageBox::Warning, caption, text, QMessageBox::Ok, QMessageBox::Ok); });
}

bool QtMessageBoxes::askYesNo(const std::string& caption, const std::string& text, bool defaultNo)
{
    return onGuiThread([&] {
        return showBox(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                       defaultNo ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
    });
}

void QtMessageBoxes::showInfo(const std::string& caption, const std::string& text)
{
    onGuiThread([&] { return showBox(QMessageBox::Information, caption, text, QMessageBox::Ok, QMessageBox::Ok); });
}

int QtMessageBoxes::askChoice(const std::string& caption, const std::string& text,
                              const std::vector<std::string>& choices, int defaultChoice)
{
    return onGuiThread([&] {
        QDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(FromUtf8(caption));
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(FromUtf8(text), &dialog));
        auto* group = new QButtonGroup(&dialog);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            auto* radio = new QRadioButton(FromUtf8(choices[i]), &dialog);
            radio->setChecked(static_cast<int>(i) == defaultChoice);
            group->addButton(radio, static_cast<int>(i));
            layout->addWidget(radio);
        }
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        layout->addWidget(buttons);
        // OK without a chosen answer (no default) is Cancel.
        return dialog.exec() == QDialog::Accepted ? group->checkedId() : -1;
    });
}

}  // namespace kx::ui
