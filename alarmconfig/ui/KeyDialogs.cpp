#include "alarmconfig/ui/KeyDialogs.h"

#include "alarmconfig/KeyChoice.h"
#include "core/CDatabase.h"
#include "platform/MessageBoxes.h"
#include "platform/TextEncoding.h"
#include "platform/ui/WidgetText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

using alarmconfig::RunEnd;

namespace {

constexpr Text kPercent = KX_TEXT("KeyRunDialog", "%d %%");
constexpr Text kCancel = KX_TEXT("KeyRunDialog", "Cancel");
constexpr Text kOk = KX_TEXT("KeyRunDialog", "OK");
constexpr Text kAdd = KX_TEXT("AddKeysDialog", "Add");
constexpr Text kAddTitle = KX_TEXT("AddKeysDialog", "Add");
constexpr Text kDeleteTitle = KX_TEXT("DeleteKeyDialog", "Delete");
constexpr Text kDelete = KX_TEXT("DeleteKeyDialog", "&Delete");
constexpr Text kClose = KX_TEXT("DeleteKeyDialog", "Close");

QString percentText(int percent)
{
    return FromUtf8(TrNumber(kPercent, percent));
}

}  // namespace

KeyRunDialog::KeyRunDialog(const std::string& tablePath, alarmconfig::RunKind kind, std::vector<long> keys,
                           QWidget* parent)
    : QProgressDialog(parent),
      m_kind(kind)
{
    const auto add = alarmconfig::AddTextsOf(kind.alarm);
    const auto del = alarmconfig::DeleteTextsOf(kind.alarm);
    setWindowTitle(Translated(kind.add ? alarmconfig::kSetState : del.runCaption));
    m_frame = Translated(kind.add ? add.frame : del.runFrame);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);
    setRange(0, 100);
    setValue(0);
    setModal(true);
    m_button = new QPushButton(Translated(kCancel), this);
    setCancelButton(m_button);
    // The button asks first; QProgressDialog would reset and hide at once.
    disconnect(m_button, nullptr, this, nullptr);
    disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
    connect(m_button, &QPushButton::clicked, this, &KeyRunDialog::pressed);
    setLabelText(m_frame + '\n' + percentText(0));

    alarmconfig::KeyRun::Events events;
    events.progress = [this](int percent) {
        QMetaObject::invokeMethod(
            this, [this, percent] { showPercent(percent); }, Qt::QueuedConnection);
    };
    events.ended = [this](const RunEnd& end) {
        QMetaObject::invokeMethod(
            this, [this, end] { ended(end); }, Qt::QueuedConnection);
    };
    m_run = std::make_unique<alarmconfig::KeyRun>(tablePath, kind, std::move(keys), std::move(events));
}

KeyRunDialog::~KeyRunDialog() = default;

void KeyRunDialog::showEvent(QShowEvent* event)
{
    QProgressDialog::showEvent(event);
    m_run->start();
}

void KeyRunDialog::showPercent(int percent)
{
    if (m_end)
        return;
    // A modal progress dialog's setValue() processes events: the later
    // percentages and the end may be shown inside it, so the label goes first
    // and nothing follows that could cover the end's text.
    setLabelText(m_frame + '\n' + percentText(percent));
    setValue(percent);
}

void KeyRunDialog::ended(const RunEnd& end)
{
    m_run->wait();  // the writer has made its last call
    m_end = end;
    if (end.outcome == RunEnd::Outcome::Finished)
        setValue(100);
    setLabelText(m_frame + '\n' + percentText(value()) + '\n' + FromUtf8(alarmconfig::KeyRun::EndText(m_kind, end)));
    m_button->setText(Translated(kOk));
    m_button->setEnabled(true);
    alarmconfig::KeyRun::ReportFailure(end);
}

void KeyRunDialog::pressed()
{
    if (m_end) {
        accept();
        return;
    }
    if (m_canceling)
        return;
    m_canceling = true;
    const Text question = m_kind.add ? alarmconfig::AddTextsOf(m_kind.alarm).cancelQuestion
                                     : alarmconfig::DeleteTextsOf(m_kind.alarm).cancelQuestion;
    const bool yes = ConfirmBox(question, false);
    m_canceling = false;
    // A writer that finished while the question was open has finished.
    if (!yes || m_end)
        return;
    m_run->cancel();
    m_button->setEnabled(false);  // "OK" once the writer has ended
}

void KeyRunDialog::closeEvent(QCloseEvent* event)
{
    if (m_end) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    pressed();
}

void KeyRunDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        pressed();
        return;
    }
    QProgressDialog::keyPressEvent(event);
}

AddKeysDialog::AddKeysDialog(std::string tablePath, bool alarm, long first, long last, QWidget* parent)
    : QDialog(parent),
      m_tablePath(std::move(tablePath)),
      m_alarm(alarm)
{
    const alarmconfig::AddTexts texts = alarmconfig::AddTextsOf(alarm);
    setWindowTitle(Translated(kAddTitle));
    auto* frame = new QGroupBox(Translated(texts.frame), this);
    auto* lists = new QHBoxLayout(frame);
    const auto column = [&](const Text& caption, QListWidget*& list) {
        auto* box = new QVBoxLayout;
        box->addWidget(new QLabel(Translated(caption), frame));
        list = new QListWidget(frame);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setSortingEnabled(true);  // as text: 100 before 20
        box->addWidget(list);
        lists->addLayout(box);
    };
    column(alarmconfig::kNotUsedYet, m_free);
    auto* arrows = new QVBoxLayout;
    m_toNew = new QPushButton(QStringLiteral("→"), frame);
    auto* toFree = new QPushButton(QStringLiteral("←"), frame);
    arrows->addStretch();
    arrows->addWidget(m_toNew);
    arrows->addWidget(toFree);
    arrows->addStretch();
    lists->addLayout(arrows);
    column(texts.caption, m_new);

    CDatabase table;
    if (table.Open(m_tablePath.c_str())) {
        for (long key : alarmconfig::KeysToAdd(table, first, last))
            m_free->addItem(QString::number(key));
        table.Close();
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_add = buttons->addButton(Translated(kAdd), QDialogButtonBox::AcceptRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(new QLabel(Translated(texts.footer), this));
    layout->addWidget(buttons);
    connect(m_toNew, &QPushButton::clicked, this, [this] { move(m_free, m_new); });
    connect(toFree, &QPushButton::clicked, this, [this] { move(m_new, m_free); });
    connect(buttons, &QDialogButtonBox::accepted, this, &AddKeysDialog::add);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void AddKeysDialog::move(QListWidget* from, QListWidget* to)
{
    for (QListWidgetItem* item : from->selectedItems())
        to->addItem(from->takeItem(from->row(item)));
}

std::vector<long> AddKeysDialog::chosenKeys() const
{
    std::vector<long> keys;
    for (int i = 0; i < m_new->count(); ++i)
        keys.push_back(m_new->item(i)->text().toLong());
    return keys;
}

void AddKeysDialog::add()
{
    if (m_new->count() == 0) {
        InfoBox(alarmconfig::AddTextsOf(m_alarm).noneSelected);
        return;
    }
    CDatabase table;
    const bool go = !table.Open(m_tablePath.c_str()) || alarmconfig::ConfirmMailboxes(table, chosenKeys());
    table.Close();
    if (go)
        accept();
}

DeleteKeyDialog::DeleteKeyDialog(std::string tablePath, bool alarm, long first, long last, QWidget* parent)
    : QDialog(parent),
      m_tablePath(std::move(tablePath)),
      m_alarm(alarm),
      m_first(first),
      m_last(last)
{
    setWindowTitle(Translated(kDeleteTitle));
    auto* frame = new QGroupBox(Translated(alarmconfig::DeleteTextsOf(alarm).frame), this);
    m_list = new QComboBox(frame);
    (new QVBoxLayout(frame))->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    m_delete = buttons->addButton(Translated(kDelete), QDialogButtonBox::ActionRole);
    buttons->addButton(Translated(kClose), QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    connect(m_list, &QComboBox::currentIndexChanged, this, [this](int index) { m_delete->setEnabled(index >= 0); });
    connect(m_delete, &QPushButton::clicked, this, &DeleteKeyDialog::deleteChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fill();
}

void DeleteKeyDialog::fill()
{
    m_list->clear();
    CDatabase table;
    if (table.Open(m_tablePath.c_str())) {
        for (const alarmconfig::DeleteEntry& e : alarmconfig::DeleteEntries(table, m_first, m_last, m_alarm))
            m_list->addItem(FromUtf8(e.text), QVariant::fromValue(qlonglong(e.key)));
        table.Close();
    }
    const alarmconfig::DeleteTexts texts = alarmconfig::DeleteTextsOf(m_alarm);
    m_list->setPlaceholderText(Translated(m_list->count() ? texts.choose : texts.empty));
    m_list->setCurrentIndex(-1);
    m_delete->setEnabled(false);
}

void DeleteKeyDialog::deleteChosen()
{
    const int index = m_list->currentIndex();
    if (index < 0)
        return;
    alarmconfig::DeleteSingle(m_tablePath, m_list->itemData(index).toLongLong(),
                              Utf8ToCp1252Lossy(ToUtf8(m_list->itemText(index))), m_alarm, m_first, m_last);
    fill();
}

void AddKeys(const std::string& tablePath, bool alarm, long first, long last, QWidget* parent)
{
    AddKeysDialog dialog(tablePath, alarm, first, last, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    KeyRunDialog(tablePath, {true, alarm}, dialog.chosenKeys(), parent).exec();
}

void DeleteKeys(const std::string& tablePath, bool alarm, long first, long last, const std::vector<long>& selected,
                const std::string& firstRowText, QWidget* parent)
{
    switch (alarmconfig::DeleteWayOf(selected.size())) {
    case alarmconfig::DeleteWay::Dialog:
        DeleteKeyDialog(tablePath, alarm, first, last, parent).exec();
        break;
    case alarmconfig::DeleteWay::Single:
        alarmconfig::DeleteSingle(tablePath, selected.front(), firstRowText, alarm, first, last);
        break;
    case alarmconfig::DeleteWay::Bulk:
        if (alarmconfig::ConfirmBulkDelete(alarm))
            KeyRunDialog(tablePath, {false, alarm}, selected, parent).exec();
        break;
    }
}

}  // namespace kx::ui
