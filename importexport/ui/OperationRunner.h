#pragma once
// Runs an import or export on a worker thread behind a window-modal
// progress dialog, which appears when the operation takes longer than half
// a second. Progress reaches the dialog only through queued calls. "Cancel"
// sets the operation's cancel flag while it checks or exports; while an
// import writes, the button is disabled (that phase cannot be stopped). The
// result is shown through the message boxes on the UI thread once the
// worker has ended.

#include "importexport/Operation.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

class QWidget;

namespace kx::ui {

class OperationRunner final : public QObject {
    Q_OBJECT
public:
    using Work = std::function<importexport::OperationResult(const importexport::OperationControl&)>;

    // `path` is the file the operation reads or writes (named in the dialog).
    OperationRunner(importexport::Operation operation, const QString& path, Work work, QWidget* parent);
    // Cancels a worker that is still running and waits for it.
    ~OperationRunner() override;

    // Starts the worker and returns at once; finished() follows the shown result.
    void start();
    // Starts the worker and returns its result once it has been shown. Until
    // the dialog appears, the operator's input waits.
    importexport::OperationResult run();

    bool ended() const { return m_ended; }
    const importexport::OperationResult& result() const { return m_result; }
    QProgressDialog* dialog() const { return m_dialog; }
    QPushButton* cancelButton() const { return m_cancelButton; }

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void progress(importexport::Phase phase, long done, long total);
    void requestCancel();
    void workerEnded(const importexport::OperationResult& result);

    importexport::Operation m_operation;
    QString m_fileName;
    Work m_work;
    QPointer<QProgressDialog> m_dialog;
    QPointer<QPushButton> m_cancelButton;
    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    bool m_writing = false;
    bool m_ended = false;
    importexport::OperationResult m_result;
};

}  // namespace kx::ui
