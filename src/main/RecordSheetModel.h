#pragma once

#include "sheet/RecordDocument.h"

#include <QAbstractTableModel>

// The record sheet as seen by the grid. Model row m is sheet row m + 1: the
// sheet's row 0 (the header texts) is shown by the grid's header, which stays
// in place while the records scroll. It follows the document's changes: a
// change that keeps the row count repaints and keeps the selection, any other
// resets the views.
class RecordSheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordSheetModel(const RecordDocument& document, QObject* parent = nullptr);

    static int sheetRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int sheetRow) { return sheetRow - 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void followSheet();
    int recordRows() const;

    const RecordSheet& sheet_; // the document's, which lives as long as the window
    int shownRows_ = 0; // the row count the views were last told about
};
