#include "platform/ui/QtMessageBoxes.h"

#include "platform/ui/WidgetText.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>

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

}  // namespace kx::ui
