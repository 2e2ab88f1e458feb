// "Create plan" in an empty working directory: "both" each time it opens,
// digits only in the number, the radio buttons, and OK closing only when
// the model created the files.

#include "plans/ui/CreatePlanDialog.h"
#include "tests/common/RecordingMessageBoxes.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <memory>

using namespace kx;

class CreatePlanDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_work;
    QString m_oldDir;

private slots:
    void init()
    {
        m_oldDir = QDir::currentPath();
        m_work = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_work->path());
    }
    void cleanup()
    {
        QDir::setCurrent(m_oldDir);
        m_work.reset();
    }

    void okCreatesWhatTheRadioButtonsSay()
    {
        const struct {
            const char* typed;
            const char* what;
            bool closes;
            QStringList files;
        } cases[] = {
            {"1x2", "both", true, {"kxa_12.kxh", "kxa_12.kxw"}},
            {"13", "year", true, {"kxa_13.kxh"}},
            {"14", "week", true, {"kxa_14.kxw"}},
            {"5", "both", false, {}},  // out of range: the message, the dialog stays open
        };
        for (const auto& c : cases) {
            test::RecordingMessageBoxes boxes;
            plans::PlanCreation model(10, plans::PlanFamily::Alarm);
            model.setWhat(plans::PlanParts::Week);
            ui::CreatePlanDialog dialog(model, nullptr);
            dialog.show();
            QVERIFY(dialog.findChild<QRadioButton*>("both")->isChecked());
            QCOMPARE(model.what(), plans::PlanParts::Both);
            auto* number = dialog.findChild<QLineEdit*>("number");
            QCOMPARE(number->text(), QString("10"));
            number->clear();
            QTest::keyClicks(number, c.typed);
            QCOMPARE(QString::fromStdString(model.numberText()), QString(c.typed).remove('x'));
            dialog.findChild<QRadioButton*>(c.what)->click();
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            QCOMPARE(dialog.isVisible(), !c.closes);
            QCOMPARE(boxes.shown().empty(), c.closes);
            const QStringList plans = QDir().entryList({"kxa_" + QString(c.typed).remove('x') + ".*"}, QDir::Files);
            QCOMPARE(plans, c.files);
        }
    }
};

QTEST_MAIN(CreatePlanDialogTest)
#include "CreatePlanDialogTest.moc"
