// The progress runner with stand-in operations: the dialog appears for a
// slow one, Cancel while checking stops it before anything is written,
// Cancel (button, close, Escape) does nothing while writing, and the result
// is shown once the worker has ended.

#include "importexport/ui/OperationRunner.h"
#include "tests/common/RecordingMessageBoxes.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include <chrono>
#include <thread>

using namespace kx;
using namespace kx::importexport;

namespace {

// Checks `steps` lines, then writes them; each step takes `pauseMs`, and
// the writing waits while `hold` is set.
struct StandInImport {
    long steps = 20;
    int pauseMs = 1;
    std::atomic<bool> hold{false};
    std::atomic<bool> sawCancel{false};
    std::atomic<long> written{0};
    OperationResult result;

    ui::OperationRunner::Work work()
    {
        return [this](const OperationControl& control) {
            const auto pause = [this] { std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs)); };
            ProgressSteps check(control, Phase::Check, steps);
            for (long i = 1; i <= steps; ++i, pause()) {
                if (control.cancelled()) {
                    sawCancel = true;
                    return OperationResult{Outcome::Cancelled};
                }
                check.at(i);
            }
            ProgressSteps write(control, Phase::Write, steps);
            for (long i = 1; i <= steps; ++i, pause()) {
                while (hold)
                    pause();
                written = i;
                write.at(i);
            }
            return result;
        };
    }
};

}  // namespace

class OperationRunnerTest : public QObject {
    Q_OBJECT

private:
    test::RecordingMessageBoxes m_boxes;

private slots:
    void init() { m_boxes.clear(); }

    void cancelWhileCheckingStopsBeforeAnythingIsWritten()
    {
        StandInImport op;
        op.steps = 2000;
        op.pauseMs = 5;
        ui::OperationRunner runner(Operation::AlarmImport, "/data/kxalarm.csv", op.work(), nullptr);
        runner.start();
        QVERIFY(!runner.dialog()->isVisible());  // not before its minimum duration
        QTRY_VERIFY(runner.dialog()->isVisible());
        QCOMPARE(runner.dialog()->windowTitle(), QString("Import of the alarm configuration"));
        QCOMPARE(runner.dialog()->labelText(), QString("Checking kxalarm.csv ..."));
        QVERIFY(runner.cancelButton()->isEnabled());
        QTest::mouseClick(runner.cancelButton(), Qt::LeftButton);
        QVERIFY(!runner.cancelButton()->isEnabled());
        QTRY_VERIFY(runner.ended());
        QVERIFY(op.sawCancel);
        QCOMPARE(op.written.load(), 0L);
        QCOMPARE(int(runner.result().outcome), int(Outcome::Cancelled));
        QVERIFY(!runner.dialog()->isVisible());
        QVERIFY(m_boxes.shown().empty());
    }

    void writingCannotBeCancelled()
    {
        StandInImport op;
        op.hold = true;
        ui::OperationRunner runner(Operation::AlarmImport, "kxalarm.csv", op.work(), nullptr);
        runner.start();
        QTRY_COMPARE(runner.dialog()->labelText(), QString("Importing kxalarm.csv ..."));
        QTRY_VERIFY(runner.dialog()->isVisible());
        QVERIFY(!runner.cancelButton()->isEnabled());
        runner.dialog()->close();
        QTest::keyClick(runner.dialog(), Qt::Key_Escape);
        QVERIFY(runner.dialog()->isVisible());
        op.hold = false;
        QTRY_VERIFY(runner.ended());
        QCOMPARE(op.written.load(), op.steps);
        QCOMPARE(m_boxes.texts(), std::vector<std::string>({"Alarm data was successfully imported.",
                                                            "The alarm configuration has been successfully "
                                                            "imported from the CSV file."}));
    }

    void runShowsTheResultAfterTheWorkerHasEnded()
    {
        StandInImport op;
        op.result.outcome = Outcome::Stopped;
        op.result.error = "Line 7: the record of key 17 could not be written; 5 lines were written.";
        ui::OperationRunner runner(Operation::PersonsImport, "persons.csv", op.work(), nullptr);
        QCOMPARE(int(runner.run().outcome), int(Outcome::Stopped));
        QCOMPARE(m_boxes.texts(), std::vector<std::string>{op.result.error});
        QCOMPARE(m_boxes.shown().at(0).kind, 'E');
    }
};

QTEST_MAIN(OperationRunnerTest)
#include "OperationRunnerTest.moc"
