#include "plans/ui/CreatePlanDialog.h"

#include "platform/ui/WidgetText.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kTitle = KX_TEXT("CreatePlanDialog", "Create plan");
constexpr Text kFrame = KX_TEXT("CreatePlanDialog", "Create sched- and/or weekplan for alarm-in ");
constexpr Text kNumber = KX_TEXT("CreatePlanDialog", "Create plan for alarm- / alarminkey:");
constexpr Text kYearOnly = KX_TEXT("CreatePlanDialog", "Create only scheduleplan ");
constexpr Text kWeekOnly = KX_TEXT("CreatePlanDialog", "Create only weekplan");
constexpr Text kBoth = KX_TEXT("CreatePlanDialog", "Create both scheduleplan and weekplan ");

}  // namespace

CreatePlanDialog::CreatePlanDialog(plans::PlanCreation& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(Translated(kTitle));
    auto* frame = new QGroupBox(Translated(kFrame), this);
    auto* grid = new QGridLayout(frame);

    m_number = new QLineEdit(FromBytes(model.numberText()), frame);
    m_number->setObjectName(QStringLiteral("number"));
    m_number->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_number));
    auto* numberLabel = new QLabel(Translated(kNumber), frame);
    numberLabel->setBuddy(m_number);
    grid->addWidget(numberLabel, 0, 0);
    grid->addWidget(m_number, 0, 1);

    // Both files each time the dialog opens.
    model.setWhat(plans::PlanParts::Both);
    m_what = new QButtonGroup(this);
    const struct {
        const Text& text;
        const char* name;
        plans::PlanParts what;
    } radios[] = {{kYearOnly, "year", plans::PlanParts::Year},
                  {kWeekOnly, "week", plans::PlanParts::Week},
                  {kBoth, "both", plans::PlanParts::Both}};
    int row = 1;
    for (const auto& r : radios) {
        auto* radio = new QRadioButton(Translated(r.text), frame);
        radio->setObjectName(QString::fromLatin1(r.name));
        radio->setChecked(r.what == model.what());
        m_what->addButton(radio, static_cast<int>(r.what));
        grid->addWidget(radio, row++, 0, 1, 2);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);

    connect(m_number, &QLineEdit::textEdited, this, [this](const QString& text) {
        // The validator lets digits only through; the model keeps its text otherwise.
        if (!m_model.setNumberText(ToBytesLossy(text)))
            m_number->setText(FromBytes(m_model.numberText()));
    });
    connect(m_what, &QButtonGroup::idClicked, this,
            [this](int id) { m_model.setWhat(static_cast<plans::PlanParts>(id)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CreatePlanDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CreatePlanDialog::reject);
}

void CreatePlanDialog::accept()
{
    // A refusal was shown by the model; the dialog stays open.
    if (m_model.ok())
        QDialog::accept();
}

void RunCreatePlan(plans::PlanCreation& model, QWidget* parent)
{
    CreatePlanDialog dialog(model, parent);
    dialog.exec();
}

}  // namespace kx::ui
