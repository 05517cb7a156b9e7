#pragma once

#include "sheet/RecordSheet.h"

#include <QAbstractTableModel>

// The record sheet as seen by the grid. Model row m is sheet row m + 1: the
// sheet's row 0 (the header texts) is shown by the grid's header, which stays
// in place while the records scroll.
class RecordSheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordSheetModel(const RecordSheet& sheet, QObject* parent = nullptr);

    static int sheetRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int sheetRow) { return sheetRow - 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Tells the views the sheet changed behind the model's back. When the row
    // count stayed the same this is a repaint that keeps the selection;
    // otherwise the views start over. Returns whether they started over.
    bool sheetChanged();

private:
    int recordRows() const;

    const RecordSheet& sheet_;
    int shownRows_ = 0; // the row count the views were last told about
};
