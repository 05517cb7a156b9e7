#include "OpenDialogMemory.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kFolderKey = QStringLiteral("open/folder");
const QString kFilterKey = QStringLiteral("open/filter");

} // namespace

OpenDialogMemory::OpenDialogMemory()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tagrio"),
                                            QStringLiteral("dialogs")))
{
}

OpenDialogMemory::OpenDialogMemory(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

OpenDialogMemory::~OpenDialogMemory() = default;

QString OpenDialogMemory::startFolder(const QString& listFolder) const
{
    if (!listFolder.isEmpty())
        return listFolder;
    // A folder since removed or renamed would open the dialog on nothing.
    const QString remembered = settings_->value(kFolderKey).toString();
    return QFileInfo(remembered).isDir() ? remembered : QString();
}

QString OpenDialogMemory::startFilter(const QStringList& offered) const
{
    const QString remembered = settings_->value(kFilterKey).toString();
    if (offered.contains(remembered))
        return remembered;
    return offered.isEmpty() ? QString() : offered.front();
}

void OpenDialogMemory::remember(const QString& chosenPath, const QString& filter)
{
    settings_->setValue(kFolderKey, QFileInfo(chosenPath).absolutePath());
    settings_->setValue(kFilterKey, filter);
    settings_->sync();
}
