#pragma once

#include "sheet/EraDate.h"
#include "sheet/FileWrite.h"
#include "sheet/NameplateTexts.h"
#include "sheet/RecordDocument.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

// A usage error: the command line cannot be understood (exit status 2).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a nameplate output command makes, named on the command line as
// template | a | b-trunk | b-branch.
enum class OutputKind { Template, TypeA, TypeBTrunk, TypeBBranch };

// The command line of tagrio-cli after QCommandLineParser has read it: the
// command, its positional arguments and the options, with readers that turn
// option texts into values or throw UsageError.
class CliCommandLine {
public:
    // arguments: the whole command line, program name first.
    static CliCommandLine parse(const QStringList& arguments);

    QString command;
    QStringList positional; // after the command
    bool helpAsked = false;

    // Throws UsageError unless the command got between min and max positional arguments.
    void requirePositional(int min, int max) const;
    // Positional argument `index` as an output kind that must be one of `allowed`.
    OutputKind outputKind(int index, std::initializer_list<OutputKind> allowed) const;

    // Throws UsageError for an option given that is not among `names`: an
    // option that does not apply is a mistake, never silently ignored.
    void requireOptionsAmong(const QStringList& names) const;
    QString output() const;     // -o OUT, required
    QString noBoxText() const;  // --no-box, default "No."
    TextOrder textOrder() const; // --order, default standard
    EraDate today() const;      // --today YYYY-MM-DD, or the system date
    int dpi() const;            // --dpi, default 1200
    // --settings FILE, or the program's own settings file.
    QString settingsFile() const;
    // An option's text, or none when it was not given.
    std::optional<QString> value(const QString& name) const;
    // The record document of recordFile (none: empty) under the --settings
    // file or the program's own settings, opened as the window's 開く opens
    // it (a record file or an .xlsx/.csv table; its notes go to stderr);
    // throws Failure when it cannot be read. The file is kept (keep): an
    // output never replaces the file it is made from.
    std::unique_ptr<RecordDocument> document(const QString& recordFile,
                                             FileWrite::KeptAs role = FileWrite::KeptAs::Input) const;
    // Keeps path from being replaced by this command's output, however the
    // output is spelled, while the command line lives.
    void keep(const QString& path, FileWrite::KeptAs role = FileWrite::KeptAs::Input) const;

private:
    bool has(const QString& name) const { return options_.contains(name); }
    QString option(const QString& name, const QString& fallback = {}) const { return options_.value(name, fallback); }
    int positiveNumber(const QString& name, int fallback) const;

    QMap<QString, QString> options_;
    mutable std::vector<FileWrite::KeptFile> kept_;
};
