#include "importexport/ui/OperationRunner.h"

#include "platform/ui/WidgetText.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QPushButton>

namespace kx::ui {

using importexport::Operation;
using importexport::OperationResult;
using importexport::Phase;

namespace {

constexpr Text kAlarmImportTitle = KX_TEXT("OperationRunner", "Import of the alarm configuration");
constexpr Text kPersonsImportTitle = KX_TEXT("OperationRunner", "Import of personnel data");
constexpr Text kAlarmExportTitle = KX_TEXT("OperationRunner", "Export of the alarm configuration");
constexpr Text kChecking = KX_TEXT("OperationRunner", "Checking %1 ...");
constexpr Text kImporting = KX_TEXT("OperationRunner", "Importing %1 ...");
constexpr Text kExporting = KX_TEXT("OperationRunner", "Exporting to %1 ...");
constexpr Text kCancel = KX_TEXT("OperationRunner", "Cancel");

// The bar's scale; a phase's start sits just above its minimum, so that a
// new phase does not restart the dialog's wait before it appears.
constexpr int kScale = 1000;

QString phaseText(Phase phase, const QString& fileName)
{
    const Text& text = phase == Phase::Check ? kChecking : phase == Phase::Write ? kImporting : kExporting;
    return FromUtf8(Tr(text, ToUtf8(fileName)));
}

}  // namespace

OperationRunner::OperationRunner(Operation operation, const QString& path, Work work, QWidget* parent)
    : QObject(parent),
      m_operation(operation),
      m_fileName(QFileInfo(path).fileName()),
      m_work(std::move(work))
{
    m_dialog = new QProgressDialog(parent);
    m_dialog->setWindowTitle(Translated(operation == Operation::AlarmImport     ? kAlarmImportTitle
                                        : operation == Operation::PersonsImport ? kPersonsImportTitle
                                                                                : kAlarmExportTitle));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setRange(0, kScale);
    m_dialog->setLabelText(phaseText(operation == Operation::AlarmExport ? Phase::Export : Phase::Check, m_fileName));
    m_cancelButton = new QPushButton(Translated(kCancel), m_dialog);
    m_dialog->setCancelButton(m_cancelButton);
    // Cancel only raises the flag: the dialog stays until the worker has ended.
    disconnect(m_dialog, SIGNAL(canceled()), m_dialog, SLOT(cancel()));
    connect(m_dialog, &QProgressDialog::canceled, this, &OperationRunner::requestCancel);
    m_dialog->installEventFilter(this);
}

OperationRunner::~OperationRunner()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
    delete m_dialog.data();
}

void OperationRunner::start()
{
    if (m_worker.joinable() || m_ended)
        return;
    m_dialog->setValue(0);  // the dialog appears once its minimum duration has passed
    m_worker = std::thread([this] {
        importexport::OperationControl control;
        control.cancel = &m_cancel;
        control.progress = [this](Phase phase, long done, long total) {
            QMetaObject::invokeMethod(
                this, [this, phase, done, total] { progress(phase, done, total); }, Qt::QueuedConnection);
        };
        const OperationResult result = m_work(control);
        QMetaObject::invokeMethod(
            this, [this, result] { workerEnded(result); }, Qt::QueuedConnection);
    });
}

OperationResult OperationRunner::run()
{
    start();
    QEventLoop loop;
    connect(this, &OperationRunner::finished, &loop, &QEventLoop::quit);
    // Until the modal dialog is there to block it, input waits rather than
    // reaching the window (a second click on "Import", say).
    while (!m_ended && !m_dialog->isVisible())
        loop.processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    if (!m_ended)
        loop.exec();
    return m_result;
}

bool OperationRunner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dialog && !m_ended) {
        // Closing the dialog or Escape is "Cancel", which the write phase ignores.
        if (event->type() == QEvent::Close) {
            event->ignore();
            requestCancel();
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            requestCancel();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void OperationRunner::progress(Phase phase, long done, long total)
{
    if (m_ended)
        return;
    m_writing = phase == Phase::Write;
    m_cancelButton->setEnabled(!m_writing && !m_cancel);
    m_dialog->setLabelText(phaseText(phase, m_fileName));
    // A modal progress dialog's setValue() processes events, the worker's end
    // among them: nothing may follow it here.
    m_dialog->setValue(total <= 0 ? kScale : 1 + static_cast<int>(done * (kScale - 1) / total));
}

void OperationRunner::requestCancel()
{
    if (m_ended || m_writing)
        return;
    m_cancel = true;
    m_cancelButton->setEnabled(false);
}

void OperationRunner::workerEnded(const OperationResult& result)
{
    m_worker.join();  // the operation has made its last call
    m_ended = true;
    m_result = result;
    m_dialog->hide();
    importexport::ShowResult(m_operation, m_result);
    emit finished();
}

}  // namespace kx::ui
