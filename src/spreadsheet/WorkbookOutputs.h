#pragma once

#include "Workbook.h"
#include "sheet/EraDate.h"
#include "sheet/PlateSize.h"
#include "sheet/RecordSheet.h"
#include "sheet/SettingsFile.h"

#include <QString>

#include <functional>
#include <optional>

// The three workbook outputs as the window's buttons and tagrio-cli xlsx both
// make them: which builder, under which name, with how many progress steps,
// and what the user is told once the workbook is made.
enum class WorkbookKind { Template, TypeA, TypeB };

struct WorkbookOutput {
    QString fileName; // the name the workbook is handed to the user under
    int progressMaximum = 0;
    std::function<void(Workbook&, const ProgressStep&)> build;
    QString notice; // told after the workbook is made; empty: nothing to tell
};

// The workbook the records make; none when kind needs records and the sheet
// has none. captions: the company name (template) and the captions (type A)
// in force; noBoxText and size: the type B plates. The output refers to its
// arguments, which must outlive it.
std::optional<WorkbookOutput> workbookOutput(WorkbookKind kind, const RecordSheet& records, const Settings& captions,
                                             const QString& noBoxText, PlateSize size, const EraDate& today);

// What a missing output says: the list holds no record.
QString noRecordsMessage();
