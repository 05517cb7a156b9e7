#pragma once

#include "sheet/CsvTable.h"
#include "sheet/RecordDocument.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The files the window's 開く and 保存 (and tagrio-cli import and export) deal
// in: record files, and cable lists kept as .xlsx or .csv tables.
namespace DocumentFiles {

// The dialogs' file types, joined with ";;" as the file dialogs take them.
// 開く offers every kind it reads first, as its default, so a workbook just
// received shows at once; then each kind, then all files. 保存 offers record
// files first.
QString readableFilter();
QString openFilters();
QString saveFilters();

// The path a save under the dialog's selected type writes: a table type adds
// its extension when the typed name lacks it (a record file name gets its
// ".kav" from the save itself).
QString withFilterSuffix(const QString& path, const QString& selectedFilter);

// Whether the file at path is a table file rather than a record file. The
// contents decide, whatever the name: a workbook container is a table, text
// whose second and third lines are the record and row counts a record file.
// Other text is a table, unless it is named .kav (a damaged record file).
bool isTableFile(const QString& path);

// Opens a record file or a table file (isTableFile) into the document and
// returns the notes to show the user. Throws Failure, leaving the document
// as it was.
QStringList open(RecordDocument& document, const QString& path);

// Shows the user a table about to become the list, with how its text was
// read (none for a workbook). Returns the layout to take it under, or none
// when the user declines.
using TableConfirmation = std::function<std::optional<TableLayout>(const ImportedTable& table,
                                                                   const std::optional<CsvTable::TextFormat>& format)>;

// open, but a table file is first put to confirm; none when the user declined
// it, the document then being as it was.
std::optional<QStringList> openConfirmed(RecordDocument& document, const QString& path,
                                         const TableConfirmation& confirm);

// A name ending in .xlsx or .csv (any case) is a table export.
bool isTablePath(const QString& path);

// A table path (isTablePath) exports the list and leaves the document's file
// name and modified state alone; any other path saves the record file.
// Throws Failure.
void save(RecordDocument& document, const QString& chosenPath);

} // namespace DocumentFiles
