#include "RecordSheetModel.h"

RecordSheetModel::RecordSheetModel(const RecordDocument& document, QObject* parent)
    : QAbstractTableModel(parent), sheet_(document.sheet()), shownRows_(recordRows())
{
    connect(&document, &RecordDocument::changed, this, &RecordSheetModel::followSheet);
}

int RecordSheetModel::recordRows() const { return std::max(sheet_.rowCount() - 1, 0); }

int RecordSheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownRows_; }

int RecordSheetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant RecordSheetModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return sheet_.recordOrEmpty(sheetRow(index.row()))[static_cast<size_t>(index.column())];
}

QVariant RecordSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return sheet_.cell(section, 0);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags RecordSheetModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void RecordSheetModel::followSheet()
{
    if (recordRows() != shownRows_) {
        beginResetModel();
        shownRows_ = recordRows();
        endResetModel();
        return;
    }
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    if (shownRows_ > 0)
        Q_EMIT dataChanged(index(0, 0), index(shownRows_ - 1, kColumnCount - 1), {Qt::DisplayRole});
}
