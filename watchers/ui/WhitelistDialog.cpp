#include "watchers/ui/WhitelistDialog.h"

#include "platform/MessageBoxes.h"
#include "platform/ui/WidgetText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kTitle = KX_TEXT("WhitelistDialog", "Settings for whitelist");
constexpr Text kUseList = KX_TEXT("WhitelistDialog", "Use whiltelist:");
constexpr Text kOnlyThese = KX_TEXT("WhitelistDialog", "Only these phonenumbers can launch an alarm:");
constexpr Text kAdd = KX_TEXT("WhitelistDialog", "Add");
constexpr Text kDelete = KX_TEXT("WhitelistDialog", "Delete");
constexpr Text kAddNumber = KX_TEXT("WhitelistDialog", "Add number");
constexpr Text kDeleteNumber = KX_TEXT("WhitelistDialog", "Delete number");
constexpr Text kApply = KX_TEXT("WhitelistDialog", "Apply");
constexpr Text kSave = KX_TEXT("WhitelistDialog", "Save");
constexpr Text kCancel = KX_TEXT("WhitelistDialog", "Cancel");
constexpr Text kNotStorable = KX_TEXT("WhitelistDialog", "The text \"%1\" holds characters that cannot be stored.");

QPushButton* button(const Text& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(Translated(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A typed text as bytes; nullopt (with a message) when it cannot be stored.
std::optional<std::string> bytesOf(const QString& text)
{
    std::optional<std::string> bytes = ToBytes(text);
    if (!bytes)
        ErrorBox(kNotStorable, ToUtf8(text));
    return bytes;
}

}  // namespace

WhitelistDialog::WhitelistDialog(watchers::Whitelist& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(Translated(kTitle));
    auto* frame = new QGroupBox(FromUtf8(model.frameTitle()), this);

    m_selector = new QComboBox(frame);
    m_selector->setObjectName(QStringLiteral("selector"));
    m_selector->setEditable(true);
    m_selector->setInsertPolicy(QComboBox::NoInsert);
    m_selector->lineEdit()->setMaxLength(static_cast<int>(watchers::kMaxNameLength));
    auto* useList = new QLabel(Translated(kUseList), frame);
    useList->setBuddy(m_selector);
    QPushButton* add = button(kAdd, "add", frame);
    QPushButton* remove = button(kDelete, "delete", frame);

    m_numbers = new QListWidget(frame);
    m_numbers->setObjectName(QStringLiteral("numbers"));
    m_numbers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_number = new QLineEdit(frame);
    m_number->setObjectName(QStringLiteral("number"));
    m_number->setMaxLength(static_cast<int>(watchers::kMaxNumberLength));
    QPushButton* addNumber = button(kAddNumber, "addNumber", frame);
    QPushButton* deleteNumber = button(kDeleteNumber, "deleteNumber", frame);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(useList, 0, 0);
    grid->addWidget(m_selector, 0, 1);
    grid->addWidget(add, 0, 2);
    grid->addWidget(remove, 0, 3);
    grid->addWidget(new QLabel(Translated(kOnlyThese), frame), 1, 0, 1, 4);
    grid->addWidget(m_numbers, 2, 0, 3, 2);
    grid->addWidget(m_number, 2, 2, 1, 2);
    grid->addWidget(addNumber, 3, 2);
    grid->addWidget(deleteNumber, 3, 3);

    auto* buttons = new QHBoxLayout;
    QPushButton* apply = button(kApply, "apply", this);
    QPushButton* saveButton = button(kSave, "save", this);
    QPushButton* cancel = button(kCancel, "cancel", this);
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(m_selector, &QComboBox::activated, this, [this](int) { commitName(); });
    connect(m_selector->lineEdit(), &QLineEdit::returnPressed, this, [this] { commitName(); });
    connect(add, &QPushButton::clicked, this, &WhitelistDialog::addList);
    connect(remove, &QPushButton::clicked, this, &WhitelistDialog::deleteList);
    connect(m_number, &QLineEdit::returnPressed, this, &WhitelistDialog::addNumber);
    connect(addNumber, &QPushButton::clicked, this, &WhitelistDialog::addNumber);
    connect(deleteNumber, &QPushButton::clicked, this, &WhitelistDialog::deleteNumbers);
    connect(apply, &QPushButton::clicked, this, [this] { save(); });
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (save())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void WhitelistDialog::refresh()
{
    m_selector->clear();
    for (const watchers::WhitelistEntry& entry : m_model.lists())
        m_selector->addItem(FromBytes(entry.name));
    m_selector->setEditText(FromBytes(m_model.name()));
    m_numbers->clear();
    for (const std::string& number : m_model.numbers())
        m_numbers->addItem(FromBytes(number));
}

bool WhitelistDialog::commitName()
{
    const std::optional<std::string> name = bytesOf(m_selector->currentText());
    const bool done = name && (*name == m_model.name() || m_model.select(*name));
    if (done)
        refresh();
    else
        m_selector->lineEdit()->selectAll();
    return done;
}

void WhitelistDialog::addList()
{
    if (const std::optional<std::string> name = bytesOf(m_selector->currentText()))
        m_model.addList(*name);
    refresh();
}

void WhitelistDialog::deleteList()
{
    if (commitName())
        m_model.deleteList();
    refresh();
}

void WhitelistDialog::addNumber()
{
    const std::optional<std::string> number = bytesOf(m_number->text());
    if (number && m_model.addNumber(*number))
        m_number->clear();
    refresh();
    m_number->setFocus();
}

void WhitelistDialog::deleteNumbers()
{
    std::vector<std::string> selected;
    for (const QListWidgetItem* item : m_numbers->selectedItems())
        selected.push_back(ToBytesLossy(item->text()));
    m_model.removeNumbers(selected);
    refresh();
}

bool WhitelistDialog::save()
{
    const bool saved = commitName() && m_model.save();
    refresh();
    return saved;
}

bool OpenWhitelistDialog(long alarmInKey, QWidget* parent)
{
    watchers::Whitelist model;
    if (!model.open(alarmInKey))
        return false;
    WhitelistDialog dialog(model, parent);
    dialog.exec();
    return true;
}

}  // namespace kx::ui
