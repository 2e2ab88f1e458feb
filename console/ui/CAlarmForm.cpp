#include "console/ui/CAlarmForm.h"

#include "console/CommandIds.h"
#include "console/ListContents.h"
#include "console/ListRow.h"
#include "console/ui/ConsoleIcons.h"
#include "core/MailboxLayout.h"
#include "platform/ui/WidgetText.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace kx::ui {

namespace {

// Column titles of the three lists.
constexpr Text kColumnAlarmNumber = KX_TEXT("CAlarmForm", "Alarmnumber");
constexpr Text kColumnAlarmName = KX_TEXT("CAlarmForm", "Alarmname");
constexpr Text kColumnGroup = KX_TEXT("CAlarmForm", "Group");
constexpr Text kColumnType = KX_TEXT("CAlarmForm", "Type");
constexpr Text kColumnAlarmIn = KX_TEXT("CAlarmForm", "Alarm-in");
constexpr Text kColumnLaunchAlarm = KX_TEXT("CAlarmForm", "Launch alarm");
constexpr Text kColumnName = KX_TEXT("CAlarmForm", "Name");
constexpr Text kColumnPhoneNumber = KX_TEXT("CAlarmForm", "Phone number");
// The controls. The switch button names the list it switches to; the
// frame and the range labels name the list shown.
constexpr Text kButtonEdit = KX_TEXT("CAlarmForm", "Edit");
constexpr Text kButtonDetails = KX_TEXT("CAlarmForm", "Details");
constexpr Text kButtonAlarms = KX_TEXT("CAlarmForm", "Alarms");
constexpr Text kButtonAlarmsIn = KX_TEXT("CAlarmForm", "alarms-in");
constexpr Text kFrameAlarmSettings = KX_TEXT("CAlarmForm", "Alarm settings");
constexpr Text kFrameAlarmInSettings = KX_TEXT("CAlarmForm", "Settings of alarms-in");
constexpr Text kLabelFirstAlarmNumber = KX_TEXT("CAlarmForm", "First alarm number:");
constexpr Text kLabelLastAlarmNumber = KX_TEXT("CAlarmForm", "Last alarm number:");
constexpr Text kLabelFirstAlarmIn = KX_TEXT("CAlarmForm", "First alarm-in:");
constexpr Text kLabelLastAlarmIn = KX_TEXT("CAlarmForm", "Last alarm-in:");
constexpr Text kLabelGroup = KX_TEXT("CAlarmForm", "Group:");
constexpr Text kLabelIncludedPersons = KX_TEXT("CAlarmForm", "Including the following persons:");
constexpr Text kFrameGroupsAndPersons = KX_TEXT("CAlarmForm", "Data of groups and persons");
constexpr Text kLabelChangeTo = KX_TEXT("CAlarmForm", "Change to:");

// The shares of a list's width its columns take (the last column takes the
// rest); 0 keeps the column's width.
constexpr double kLeftColumnShares[] = {0, 0.345, 0.263, 0.217};
constexpr double kMemberColumnShares[] = {0.444, 0.357};

QTreeView* makeListView(QWidget* parent, ListTableModel* model, QSize iconSize, bool multipleSelection)
{
    auto* view = new QTreeView(parent);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setItemsExpandable(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(multipleSelection ? QAbstractItemView::ExtendedSelection
                                             : QAbstractItemView::SingleSelection);
    view->setIconSize(iconSize);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->header()->setSectionsClickable(true);
    view->header()->setSectionsMovable(false);
    view->header()->setStretchLastSection(true);
    return view;
}

// The rows selected in a view, in list order.
std::vector<const console::ListRow*> selectedRows(const QTreeView* view, const ListTableModel* model)
{
    std::vector<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<const console::ListRow*> out;
    for (int row : rows)
        if (const console::ListRow* r = model->rowAt(row))
            out.push_back(r);
    return out;
}

// Refills the alarm or alarm-in list by key. A current row that was in view
// stays in view: rows inserted above it, or the return of a sorted list to
// key order, move it.
void refillByKey(QTreeView* view, ListTableModel* model, const std::vector<console::ListRow>& rows)
{
    const QRect current = view->visualRect(view->currentIndex());
    const bool inView = current.isValid() && view->viewport()->rect().intersects(current);
    view->setUpdatesEnabled(false);
    model->mergeByKey(rows);
    if (inView && view->currentIndex().isValid())
        view->scrollTo(view->currentIndex());
    view->setUpdatesEnabled(true);
}

}  // namespace

CAlarmForm::CAlarmForm(console::ConsoleSession& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    createControls();
    layOutControls();
    applyListCaptions();
    m_bridge = std::make_unique<ViewMessageBridge>(this, [this](ViewMessage m) { handleViewMessage(m); });
}

CAlarmForm::~CAlarmForm()
{
    stopThreads();
}

void CAlarmForm::createControls()
{
    m_leftFrame = new QGroupBox(this);
    m_rightFrame = new QGroupBox(Translated(kFrameGroupsAndPersons), this);
    m_firstLabel = new QLabel(m_leftFrame);
    m_lastLabel = new QLabel(m_leftFrame);
    m_firstField = new QLineEdit(m_leftFrame);
    m_lastField = new QLineEdit(m_leftFrame);
    for (QLineEdit* field : {m_firstField, m_lastField}) {
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignRight);
        field->setFixedWidth(60);
    }
    m_changeToLabel = new QLabel(Translated(kLabelChangeTo), m_leftFrame);
    m_switchButton = new QPushButton(m_leftFrame);
    m_detailsButton = new QPushButton(Translated(kButtonDetails), m_leftFrame);
    for (QPushButton* button : {m_switchButton, m_detailsButton})
        button->setMinimumWidth(100);
    m_groupLabel = new QLabel(Translated(kLabelGroup), m_rightFrame);
    m_groupSelector = new QComboBox(m_rightFrame);
    m_groupSelector->setMinimumContentsLength(8);
    m_groupSelector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_editButton = new QPushButton(Translated(kButtonEdit), m_rightFrame);
    m_editButton->setMinimumWidth(60);
    m_membersLabel = new QLabel(Translated(kLabelIncludedPersons), m_rightFrame);

    m_alarmModel = new ListTableModel(
        {Translated(kColumnAlarmNumber), Translated(kColumnAlarmName), Translated(kColumnGroup),
         Translated(kColumnType)},
        [](int i) -> const QPixmap& { return AlarmImage(i); }, this);
    m_alarmInModel = new ListTableModel(
        {Translated(kColumnAlarmIn), Translated(kColumnAlarmName), Translated(kColumnType),
         Translated(kColumnLaunchAlarm)},
        [](int i) -> const QPixmap& { return AlarmInImage(i); }, this);
    m_memberModel = new ListTableModel(
        {Translated(kColumnName), Translated(kColumnPhoneNumber), Translated(kColumnType)},
        [](int i) -> const QPixmap& { return MemberImage(i); }, this);

    m_alarmView = makeListView(m_leftFrame, m_alarmModel, kAlarmImageSize, true);
    m_alarmInView = makeListView(m_leftFrame, m_alarmInModel, kAlarmInImageSize, true);
    m_memberView = makeListView(m_rightFrame, m_memberModel, kMemberImageSize, false);
    m_alarmInView->hide();
    const std::pair<QWidget*, const char*> names[] = {
        {m_alarmView, "alarmList"},         {m_alarmInView, "alarmInList"},  {m_memberView, "memberList"},
        {m_groupSelector, "groupSelector"}, {m_switchButton, "switchLists"}, {m_leftFrame, "listFrame"},
        {m_rightFrame, "groupFrame"},       {m_firstLabel, "firstLabel"},    {m_lastLabel, "lastLabel"},
        {m_firstField, "firstKey"},         {m_lastField, "lastKey"},        {m_changeToLabel, "changeToLabel"},
        {m_detailsButton, "details"},       {m_groupLabel, "groupLabel"},    {m_editButton, "editGroup"},
        {m_membersLabel, "membersLabel"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(name);
    const int alarmWidths[] = {75, 150, 130, 95};
    const int alarmInWidths[] = {80, 137, 140, 98};
    const int memberWidths[] = {133, 90, 38};
    for (int c = 0; c < 4; ++c) {
        m_alarmView->setColumnWidth(c, alarmWidths[c]);
        m_alarmInView->setColumnWidth(c, alarmInWidths[c]);
    }
    for (int c = 0; c < 3; ++c)
        m_memberView->setColumnWidth(c, memberWidths[c]);

    for (QTreeView* view : {m_alarmView, m_alarmInView, m_memberView})
        view->installEventFilter(this);
    // The window opens with the keyboard in the alarm list.
    m_alarmView->setFocus();

    connect(m_alarmView, &QTreeView::doubleClicked, this, [this] { emit commandRequested(console::cmd::AlarmList); });
    connect(m_alarmInView, &QTreeView::doubleClicked, this,
            [this] { emit commandRequested(console::cmd::AlarmInList); });
    connect(m_memberView, &QTreeView::doubleClicked, this, [this] { emit commandRequested(console::cmd::MemberList); });
    // A click or the arrow keys on an alarm select its group.
    connect(m_alarmView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { selectAlarmsGroup(); });
    connect(m_alarmView, &QTreeView::clicked, this, [this] { selectAlarmsGroup(); });

    connect(m_alarmView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        selectAlarmsGroup();
        emit alarmMenuRequested(m_alarmView->viewport()->mapToGlobal(pos));
    });
    connect(m_alarmInView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const std::vector<long> keys = selectedAlarmInKeys();
        const int function = keys.empty() ? -1 : functionTypeOf(keys.front());
        emit alarmInMenuRequested(m_alarmInView->viewport()->mapToGlobal(pos), function);
    });
    connect(m_memberView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit memberMenuRequested(m_memberView->viewport()->mapToGlobal(pos)); });

    connect(m_alarmView->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortList(m_alarmModel, column); });
    connect(m_alarmInView->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortList(m_alarmInModel, column); });
    connect(m_memberView->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { sortList(m_memberModel, column); });

    connect(m_groupSelector, &QComboBox::activated, this, [this] { fillMemberList(); });
    connect(m_switchButton, &QPushButton::clicked, this, [this] { switchLists(); });
    connect(m_detailsButton, &QPushButton::clicked, this,
            [this] { emit commandRequested(console::cmd::DetailsButton); });
    connect(m_editButton, &QPushButton::clicked, this,
            [this] { emit commandRequested(console::cmd::EditGroupButton); });
}

void CAlarmForm::layOutControls()
{
    // On the left the key range of the list shown, the switch and details
    // buttons, then the list; on the right the group row, its label and the
    // members. The lists take the room the window gains; the frames share
    // the width about 3 : 2.
    auto* ranges = new QGridLayout;
    ranges->setHorizontalSpacing(6);
    ranges->setVerticalSpacing(8);
    ranges->setColumnMinimumWidth(0, 130);
    ranges->addWidget(m_firstLabel, 0, 0);
    ranges->addWidget(m_firstField, 0, 1);
    ranges->addWidget(m_lastLabel, 1, 0);
    ranges->addWidget(m_lastField, 1, 1);
    ranges->setColumnMinimumWidth(2, 24);
    ranges->addWidget(m_changeToLabel, 0, 3);
    ranges->addWidget(m_switchButton, 0, 4);
    ranges->addWidget(m_detailsButton, 1, 4);
    ranges->setColumnStretch(5, 1);
    auto* left = new QVBoxLayout(m_leftFrame);
    left->setContentsMargins(14, 3, 14, 14);
    left->setSpacing(14);
    left->addLayout(ranges);
    left->addWidget(m_alarmView, 1);
    left->addWidget(m_alarmInView, 1);

    auto* groupRow = new QHBoxLayout;
    groupRow->setSpacing(6);
    groupRow->addWidget(m_groupLabel);
    groupRow->addWidget(m_groupSelector, 1);
    groupRow->addWidget(m_editButton);
    auto* right = new QVBoxLayout(m_rightFrame);
    right->setContentsMargins(14, 3, 14, 14);
    right->setSpacing(14);
    right->addLayout(groupRow);
    right->addWidget(m_membersLabel);
    right->addWidget(m_memberView, 1);

    auto* form = new QHBoxLayout(this);
    form->setContentsMargins(10, 11, 10, 9);
    form->setSpacing(20);
    form->addWidget(m_leftFrame, 62);
    form->addWidget(m_rightFrame, 38);
}

void CAlarmForm::initialUpdate()
{
    if (!m_session.start())
        return;  // the error box is shown; lists stay empty, no thread starts
    showRanges();
    loadGroups();  // and the member list
    fillAlarmList();
    fillAlarmInList();
    m_threads.start(m_session.watchPaths(), m_bridge.get(), m_session.enableAlarmDeactivation(),
                    m_session.mailboxPath());
}

void CAlarmForm::stopThreads()
{
    m_threads.stop();
}

void CAlarmForm::handleViewMessage(ViewMessage message)
{
    switch (message) {
    case ViewMessage::AlarmsChanged:
        fillAlarmList();
        break;
    case ViewMessage::AlarmsInChanged:
        fillAlarmInList();
        break;
    case ViewMessage::MembersChanged:
        fillMemberList();
        break;
    case ViewMessage::GroupsChanged:
        loadGroups();
        break;
    }
}

void CAlarmForm::fillAlarmList()
{
    if (!m_session.started())
        return;
    auto rows = m_session.alarmRows();
    if (!rows)
        return;  // the table cannot be read now: the list stays as it is
    refillByKey(m_alarmView, m_alarmModel, *rows);
}

void CAlarmForm::fillAlarmInList()
{
    if (!m_session.started())
        return;
    auto rows = m_session.alarmInRows();
    if (!rows)
        return;
    refillByKey(m_alarmInView, m_alarmInModel, *rows);
}

void CAlarmForm::fillMemberList()
{
    if (!m_session.started())
        return;
    const std::string selector =
        m_groupSelector->currentIndex() >= 0 ? ToBytesLossy(m_groupSelector->currentText()) : std::string();
    m_memberView->setUpdatesEnabled(false);
    // Rows are merged by position: a selected row of another group's list
    // would stand for a person of this group.
    const std::optional<std::string> group = selectedGroupNumber();
    if (group != m_memberListGroup) {
        m_memberView->selectionModel()->clear();
        m_memberView->scrollToTop();
        m_memberListGroup = group;
    }
    m_memberModel->mergeByPosition(m_session.memberRows(selector));
    m_memberView->setUpdatesEnabled(true);
}

void CAlarmForm::loadGroups()
{
    if (!m_session.started())
        return;
    const auto selector = m_session.loadGroups();
    if (!selector)
        return;  // the error box is shown; the selector keeps its entries
    // The selected group stays selected (by its number) while it exists, as
    // does a pseudo group an alarm selected; otherwise the first entry.
    const std::optional<std::string> group = selectedGroupNumber();
    const QString pseudoGroup = m_groupSelector->currentIndex() < 0 ? m_groupSelector->placeholderText() : QString();
    QSignalBlocker block(m_groupSelector);
    m_groupSelector->clear();
    int index = selector->entries.empty() ? -1 : 0;
    for (const std::string& entry : selector->entries) {
        if (group && entry.substr(0, entry.find(' ')) == *group)
            index = m_groupSelector->count();
        m_groupSelector->addItem(FromBytes(entry));
    }
    const bool keepPseudoGroup =
        index >= 0 && !pseudoGroup.isEmpty() && console::SelectorHasNoMembers(ToBytesLossy(pseudoGroup));
    m_groupSelector->setPlaceholderText(keepPseudoGroup ? pseudoGroup : FromBytes(selector->noGroupText));
    m_groupSelector->setCurrentIndex(keepPseudoGroup ? -1 : index);
    fillMemberList();  // the member list shows the group the selector shows
}

void CAlarmForm::refreshAll()
{
    fillAlarmList();
    fillAlarmInList();
    fillMemberList();
}

void CAlarmForm::selectAlarmsGroup()
{
    const auto rows = selectedRows(m_alarmView, m_alarmModel);
    if (rows.empty())
        return;
    const std::string& groupText = rows.front()->text[console::alarm_column::Group];
    const std::string text = console::SelectorTextForGroup(groupText, m_session.threeDigitSelector());
    QSignalBlocker block(m_groupSelector);
    if (console::SelectorHasNoMembers(text)) {
        // The pseudo groups are no entries of the selector: it shows the text.
        m_groupSelector->setCurrentIndex(-1);
        m_groupSelector->setPlaceholderText(FromBytes(text));
    } else {
        std::vector<std::string> entries;
        for (int i = 0; i < m_groupSelector->count(); ++i)
            entries.push_back(ToBytesLossy(m_groupSelector->itemText(i)));
        const int index = console::FindSelectorEntry(entries, text);
        if (index >= 0)
            m_groupSelector->setCurrentIndex(index);
    }
    fillMemberList();
}

void CAlarmForm::sortList(ListTableModel* model, int column)
{
    const bool ascending = m_sortState.click(column);
    model->sortRows(column, ascending);
}

void CAlarmForm::switchLists()
{
    m_showsAlarmIns = !m_showsAlarmIns;
    m_alarmView->setVisible(!m_showsAlarmIns);
    m_alarmInView->setVisible(m_showsAlarmIns);
    applyListCaptions();
    showRanges();
}

void CAlarmForm::applyListCaptions()
{
    m_switchButton->setText(Translated(m_showsAlarmIns ? kButtonAlarms : kButtonAlarmsIn));
    m_leftFrame->setTitle(Translated(m_showsAlarmIns ? kFrameAlarmInSettings : kFrameAlarmSettings));
    m_firstLabel->setText(Translated(m_showsAlarmIns ? kLabelFirstAlarmIn : kLabelFirstAlarmNumber));
    m_lastLabel->setText(Translated(m_showsAlarmIns ? kLabelLastAlarmIn : kLabelLastAlarmNumber));
}

void CAlarmForm::setRanges(const config::KeyRanges& ranges)
{
    m_session.setRanges(ranges);
    showRanges();
}

void CAlarmForm::showRanges()
{
    const config::KeyRanges& r = m_session.ranges();
    m_firstField->setText(QString::number(m_showsAlarmIns ? r.firstAlarmInKey : r.firstAlarmKey));
    m_lastField->setText(QString::number(m_showsAlarmIns ? r.lastAlarmInKey : r.lastAlarmKey));
}

std::vector<long> CAlarmForm::selectedAlarmKeys() const
{
    std::vector<long> keys;
    for (const console::ListRow* row : selectedRows(m_alarmView, m_alarmModel))
        keys.push_back(row->key);
    return keys;
}

std::optional<long> CAlarmForm::selectedAlarmKey() const
{
    const auto rows = selectedRows(m_alarmView, m_alarmModel);
    if (rows.empty())
        return std::nullopt;
    return rows.front()->key;
}

long CAlarmForm::selectedAlarmKeyOrFirst() const
{
    return selectedAlarmKey().value_or(m_session.ranges().firstAlarmKey);
}

std::optional<console::SelectedAlarm> CAlarmForm::selectedAlarm() const
{
    const auto rows = selectedRows(m_alarmView, m_alarmModel);
    if (rows.empty())
        return std::nullopt;
    return console::SelectedAlarm{rows.front()->text[console::alarm_column::Key],
                                  rows.front()->text[console::alarm_column::Name]};
}

std::optional<console::SelectedAlarm> CAlarmForm::selectedAlarmIn() const
{
    const auto rows = selectedRows(m_alarmInView, m_alarmInModel);
    if (rows.empty())
        return std::nullopt;
    return console::SelectedAlarm{rows.front()->text[console::alarm_in_column::Key],
                                  rows.front()->text[console::alarm_in_column::Name]};
}

std::vector<long> CAlarmForm::selectedAlarmInKeys() const
{
    std::vector<long> keys;
    for (const console::ListRow* row : selectedRows(m_alarmInView, m_alarmInModel))
        keys.push_back(row->key);
    return keys;
}

std::optional<std::string> CAlarmForm::selectedMemberName() const
{
    const auto rows = selectedRows(m_memberView, m_memberModel);
    if (rows.empty() || !rows.front()->selectable)  // "Not generated or empty" is no person
        return std::nullopt;
    return rows.front()->text[console::member_column::Name];
}

std::optional<std::string> CAlarmForm::selectedGroupNumber() const
{
    if (m_groupSelector->currentIndex() < 0)
        return std::nullopt;
    const std::string text = ToBytesLossy(m_groupSelector->currentText());
    return text.substr(0, text.find(' '));
}

int CAlarmForm::functionTypeOf(long key)
{
    CDatabase table;
    if (!table.Open(m_session.mailboxPath().c_str()))
        return -1;
    ScopedClose closer(table);
    if (mailbox::RecordOfKey(key) > table.RecCount())
        return -1;
    table.Go(mailbox::RecordOfKey(key));
    int function = -1;
    table.Read(mailbox::field::GroupOrFunction, function);
    return function;
}

bool CAlarmForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        // The columns keep their shares of the list's width.
        auto* view = static_cast<QTreeView*>(watched);
        const std::span<const double> shares = view == m_memberView ? std::span<const double>(kMemberColumnShares)
                                                                    : std::span<const double>(kLeftColumnShares);
        const int width = static_cast<QResizeEvent*>(event)->size().width();
        for (std::size_t c = 0; c < shares.size(); ++c)
            if (shares[c] > 0)
                view->setColumnWidth(static_cast<int>(c), static_cast<int>(width * shares[c]));
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if (key == Qt::Key_F10 && keyEvent->modifiers() == Qt::ShiftModifier) {
            // The keyboard's context menu: the list's own menu, at its current row.
            auto* view = static_cast<QTreeView*>(watched);
            const QRect row = view->visualRect(view->currentIndex());
            const QPoint at = row.isValid() ? row.bottomLeft() : QPoint(0, 0);
            QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, at, view->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(view->viewport(), &menuEvent);
            return true;
        }
        if (watched == m_memberView)
            return false;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commandRequested(watched == m_alarmView ? console::cmd::AlarmList : console::cmd::AlarmInList);
            return true;
        }
        if (key == Qt::Key_Delete && watched == m_alarmInView) {
            emit commandRequested(console::cmd::DeleteAlarmIn);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kx::ui
