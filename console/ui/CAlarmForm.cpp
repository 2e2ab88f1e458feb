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
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTreeView>

#include <algorithm>
#include <cmath>

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

// The form's placement: the lists and frames take shares of the width, the
// controls above the lists stand at fixed offsets.
constexpr int kListTop = 100;
constexpr int kListBottomMargin = 24;
constexpr int kMinListHeight = 40;
constexpr int kLeftFrameX = 10;
constexpr double kLeftFrameShare = 0.595;
constexpr int kFixedControlsRight = 430;  // the right edge of the switch and details buttons
constexpr int kFrameMargin = 14;          // from a frame's border to the controls in it
constexpr int kGroupLabelColumn = 52;     // "Group:" and the gap after it
constexpr int kMinSelectorWidth = 60, kEditGap = 6, kEditWidth = 60;

// The smallest size at which no control overlaps another or crosses a
// frame's border: the left frame holds the fixed controls, the member
// width (a third) holds the group row, and the lists keep their least height.
QSize minimumFormSize()
{
    const int forFixedControls =
        static_cast<int>(std::ceil((kFixedControlsRight + kFrameMargin - kLeftFrameX) / kLeftFrameShare));
    const int forGroupRow = 3 * (kGroupLabelColumn + kMinSelectorWidth + kEditGap + kEditWidth);
    return {std::max(forFixedControls, forGroupRow), kListTop + kMinListHeight + kListBottomMargin};
}

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
    applyListCaptions();
    setMinimumSize(minimumFormSize());
    m_bridge = std::make_unique<ViewMessageBridge>(this, [this](ViewMessage m) { handleViewMessage(m); });
}

CAlarmForm::~CAlarmForm()
{
    stopThreads();
}

void CAlarmForm::createControls()
{
    m_leftFrame = new QGroupBox(this);
    m_rightFrame = new QGroupBox(text(kFrameGroupsAndPersons), this);
    m_firstLabel = new QLabel(this);
    m_lastLabel = new QLabel(this);
    m_firstField = new QLineEdit(this);
    m_lastField = new QLineEdit(this);
    for (QLineEdit* field : {m_firstField, m_lastField}) {
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignRight);
    }
    m_changeToLabel = new QLabel(text(kLabelChangeTo), this);
    m_switchButton = new QPushButton(this);
    m_detailsButton = new QPushButton(text(kButtonDetails), this);
    m_groupLabel = new QLabel(text(kLabelGroup), this);
    m_groupSelector = new QComboBox(this);
    m_editButton = new QPushButton(text(kButtonEdit), this);
    m_membersLabel = new QLabel(text(kLabelIncludedPersons), this);

    m_alarmModel = new ListTableModel(
        {text(kColumnAlarmNumber), text(kColumnAlarmName), text(kColumnGroup), text(kColumnType)},
        [](int i) -> const QPixmap& { return alarmImage(i); }, this);
    m_alarmInModel = new ListTableModel(
        {text(kColumnAlarmIn), text(kColumnAlarmName), text(kColumnType), text(kColumnLaunchAlarm)},
        [](int i) -> const QPixmap& { return alarmInImage(i); }, this);
    m_memberModel = new ListTableModel(
        {text(kColumnName), text(kColumnPhoneNumber), text(kColumnType)},
        [](int i) -> const QPixmap& { return memberImage(i); }, this);

    m_alarmView = makeListView(this, m_alarmModel, kAlarmImageSize, true);
    m_alarmInView = makeListView(this, m_alarmInModel, kAlarmInImageSize, true);
    m_memberView = makeListView(this, m_memberModel, kMemberImageSize, false);
    m_alarmInView->hide();
    m_alarmView->setObjectName("alarmList");
    m_alarmInView->setObjectName("alarmInList");
    m_memberView->setObjectName("memberList");
    m_groupSelector->setObjectName("groupSelector");
    m_switchButton->setObjectName("switchLists");
    const int alarmWidths[] = {75, 150, 130, 95};
    const int alarmInWidths[] = {80, 137, 140, 98};
    const int memberWidths[] = {133, 90, 38};
    for (int c = 0; c < 4; ++c) {
        m_alarmView->setColumnWidth(c, alarmWidths[c]);
        m_alarmInView->setColumnWidth(c, alarmInWidths[c]);
    }
    for (int c = 0; c < 3; ++c)
        m_memberView->setColumnWidth(c, memberWidths[c]);

    // The frames are drawn behind the controls.
    m_leftFrame->lower();
    m_rightFrame->lower();

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
        m_groupSelector->currentIndex() >= 0 ? toBytesLossy(m_groupSelector->currentText()) : std::string();
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
        m_groupSelector->addItem(fromBytes(entry));
    }
    const bool keepPseudoGroup =
        index >= 0 && !pseudoGroup.isEmpty() && console::SelectorHasNoMembers(toBytesLossy(pseudoGroup));
    m_groupSelector->setPlaceholderText(keepPseudoGroup ? pseudoGroup : fromBytes(selector->noGroupText));
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
        m_groupSelector->setPlaceholderText(fromBytes(text));
    } else {
        std::vector<std::string> entries;
        for (int i = 0; i < m_groupSelector->count(); ++i)
            entries.push_back(toBytesLossy(m_groupSelector->itemText(i)));
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
    m_switchButton->setText(text(m_showsAlarmIns ? kButtonAlarms : kButtonAlarmsIn));
    m_leftFrame->setTitle(text(m_showsAlarmIns ? kFrameAlarmInSettings : kFrameAlarmSettings));
    m_firstLabel->setText(text(m_showsAlarmIns ? kLabelFirstAlarmIn : kLabelFirstAlarmNumber));
    m_lastLabel->setText(text(m_showsAlarmIns ? kLabelLastAlarmIn : kLabelLastAlarmNumber));
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
    const std::string text = toBytesLossy(m_groupSelector->currentText());
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

void CAlarmForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int listHeight = std::max(kMinListHeight, h - kListTop - kListBottomMargin);
    const int leftWidth = w * 5 / 9;
    for (QTreeView* view : {m_alarmView, m_alarmInView}) {
        view->setGeometry(kLeftFrameX + kFrameMargin, kListTop, leftWidth, listHeight);
        view->setColumnWidth(1, int(leftWidth * 0.345));
        view->setColumnWidth(2, int(leftWidth * 0.263));
        view->setColumnWidth(3, int(leftWidth * 0.217));
    }
    const int memberX = int(w * 0.641);
    const int memberWidth = w / 3;
    m_memberView->setGeometry(memberX, kListTop, memberWidth, listHeight);
    m_memberView->setColumnWidth(0, int(memberWidth * 0.444));
    m_memberView->setColumnWidth(1, int(memberWidth * 0.357));
    m_leftFrame->setGeometry(kLeftFrameX, 11, int(w * kLeftFrameShare), std::max(60, h - 20));
    m_rightFrame->setGeometry(int(w * 0.625), 11, int(w * 0.364), std::max(60, h - 20));

    // The controls above the lists stand at fixed offsets.
    m_firstLabel->setGeometry(24, 34, 130, 22);
    m_firstField->setGeometry(160, 34, 60, 22);
    m_lastLabel->setGeometry(24, 64, 130, 22);
    m_lastField->setGeometry(160, 64, 60, 22);
    m_changeToLabel->setGeometry(250, 34, 80, 22);
    m_switchButton->setGeometry(330, 32, 100, 26);
    m_detailsButton->setGeometry(330, 62, 100, 26);
    m_groupLabel->setGeometry(memberX, 34, kGroupLabelColumn - 2, 22);
    m_groupSelector->setGeometry(memberX + kGroupLabelColumn, 34,
                                 std::max(kMinSelectorWidth, memberWidth - kGroupLabelColumn - kEditWidth - kEditGap),
                                 24);
    m_editButton->setGeometry(memberX + memberWidth - kEditWidth, 33, kEditWidth, 26);
    m_membersLabel->setGeometry(memberX, 72, memberWidth, 22);
}

}  // namespace kx::ui
