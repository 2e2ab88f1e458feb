#pragma once
// A Qt item model over the rows of one of the main window's lists. Refills
// are applied as the merge's edits (row insertions, removals, changes), so
// rows that did not change are not touched and the view keeps its
// selection and scroll position. Sorting reorders rows as a layout change,
// so selected rows stay selected; so does the return of a sorted list to
// key order before a merge by key.

#include "console/ListMerge.h"
#include "console/ListRow.h"

#include <QAbstractTableModel>
#include <QPixmap>

#include <functional>
#include <vector>

namespace kx::ui {

class ListTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using ImageProvider = std::function<const QPixmap&(int index)>;

    // `headers` are the column titles; images by index come from `images`.
    ListTableModel(QStringList headers, ImageProvider images, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setHeaders(QStringList headers);

    // Refills the alarm or alarm-in list in key order (merge by key).
    void mergeByKey(const std::vector<console::ListRow>& fresh);
    // Refills the member list (rows compared by position).
    void mergeByPosition(const std::vector<console::ListRow>& fresh);

    // Sorts the rows by a column's text, byte by byte.
    void sortRows(int column, bool ascending);

    const std::vector<console::ListRow>& rows() const { return m_rows; }
    const console::ListRow* rowAt(int row) const;

private:
    void apply(const std::vector<console::ListEdit>& edits, const std::vector<console::ListRow>& fresh);
    // Moves whole rows (row `order[i]` goes to place i) as a layout change.
    void reorder(const std::vector<std::size_t>& order);

    QStringList m_headers;
    ImageProvider m_images;
    std::vector<console::ListRow> m_rows;
};

}  // namespace kx::ui
