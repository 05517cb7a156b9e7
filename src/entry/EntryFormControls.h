#pragma once

#include "Registration.h"
#include "EntryForm.h"
#include "ui/ControlIndex.h"

#include <QPointer>
#include <QWindow>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

// The widgets of the entry form, built from its layout tables, plus the
// state the form keeps between openings.
struct EntryForm::Controls {
    explicit Controls(QWidget* form);

    QLineEdit*& field(Column column) { return fields[static_cast<size_t>(column - ColFrom1)]; }
    QLineEdit* field(Column column) const { return fields[static_cast<size_t>(column - ColFrom1)]; }
    // The data field's column, or nothing for any other object.
    std::optional<Column> columnOf(const QObject* object) const;
    QPushButton* button(const char* objectName) const;

    QWidget* form;
    UiStyle::ControlIndex index;
    std::array<QLineEdit*, FieldTexts::kCount> fields{};
    std::array<QLineEdit*, 6> captionBoxes{};
    QLineEdit* noBox = nullptr;
    QLabel* numberLabel = nullptr;
    QWidget* helpPanel = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* registerButton = nullptr;

    PreviousEntries ed;
    std::function<void(const QString&)> showMessage;
    QPointer<QWidget> catalogue;
    // The catalogue's own transient parent while this form holds it.
    QPointer<QWindow> catalogueOwner;
    bool catalogueLent = false;
};
