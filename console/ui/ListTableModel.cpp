#include "console/ui/ListTableModel.h"

#include "console/ListSort.h"
#include "platform/ui/WidgetText.h"

namespace kx::ui {

using console::ListEdit;
using console::ListRow;

ListTableModel::ListTableModel(QStringList headers, ImageProvider images, QObject* parent)
    : QAbstractTableModel(parent),
      m_headers(std::move(headers)),
      m_images(std::move(images))
{}

int ListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

const ListRow* ListTableModel::rowAt(int row) const
{
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? &m_rows[static_cast<std::size_t>(row)] : nullptr;
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const
{
    const ListRow* row = rowAt(index.row());
    if (!row || index.column() < 0 || index.column() >= static_cast<int>(row->text.size()))
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return FromBytes(row->text[column]);
    case Qt::DecorationRole:
        if (row->image[column] != console::kNoImage && m_images) {
            const QPixmap& image = m_images(row->image[column]);
            if (!image.isNull())
                return image;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const
{
    const ListRow* row = rowAt(index.row());
    if (row && !row->selectable)
        return Qt::ItemIsEnabled;
    return QAbstractTableModel::flags(index);
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers[section];
    return {};
}

void ListTableModel::setHeaders(QStringList headers)
{
    m_headers = std::move(headers);
    emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(m_headers.size()) - 1);
}

void ListTableModel::mergeByKey(const std::vector<ListRow>& fresh)
{
    // The merge walks the list in key order. A list sorted by another column
    // is first moved back to key order row by row, so that selected rows and
    // the current row keep their keys, and the merge then touches only rows
    // that changed.
    if (const std::vector<std::size_t> order = console::KeyOrder(m_rows); !order.empty())
        reorder(order);
    apply(console::MergeEdits(m_rows, fresh), fresh);
}

void ListTableModel::mergeByPosition(const std::vector<ListRow>& fresh)
{
    apply(console::PositionalEdits(m_rows, fresh), fresh);
}

void ListTableModel::apply(const std::vector<ListEdit>& edits, const std::vector<ListRow>& fresh)
{
    const int lastColumn = columnCount() - 1;
    for (const ListEdit& e : edits) {
        const int first = static_cast<int>(e.position);
        const int last = static_cast<int>(e.position + e.count) - 1;
        const auto at = m_rows.begin() + static_cast<std::ptrdiff_t>(e.position);
        const auto from = fresh.begin() + static_cast<std::ptrdiff_t>(e.firstFresh);
        switch (e.kind) {
        case ListEdit::Kind::Insert:
            beginInsertRows({}, first, last);
            m_rows.insert(at, from, from + static_cast<std::ptrdiff_t>(e.count));
            endInsertRows();
            break;
        case ListEdit::Kind::Remove:
            beginRemoveRows({}, first, last);
            m_rows.erase(at, at + static_cast<std::ptrdiff_t>(e.count));
            endRemoveRows();
            break;
        case ListEdit::Kind::Update:
            std::copy(from, from + static_cast<std::ptrdiff_t>(e.count), at);
            emit dataChanged(index(first, 0), index(last, lastColumn));
            break;
        }
    }
}

void ListTableModel::sortRows(int column, bool ascending)
{
    reorder(console::SortOrder(m_rows, column, ascending));
}

void ListTableModel::reorder(const std::vector<std::size_t>& order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPlace(m_rows.size());
    std::vector<ListRow> sorted;
    sorted.reserve(m_rows.size());
    for (std::size_t place = 0; place < order.size(); ++place) {
        newPlace[order[place]] = static_cast<int>(place);
        sorted.push_back(std::move(m_rows[order[place]]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(newPlace[static_cast<std::size_t>(index.row())], index.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace kx::ui
