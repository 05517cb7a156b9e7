#pragma once

#include "sheet/EraDate.h"
#include "sheet/RecordDocument.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QLineEdit;
struct EntryRecord;
struct QuickFill;
struct RepeatButton;

// The record entry form: edits one cable record and registers it into the
// record sheet. Created hidden at start; shown modally by a double click on
// the record sheet.
class EntryForm : public QDialog {
    Q_OBJECT
public:
    // document: the main window's record document. The form reads its sheet,
    // company name and captions (f1..f6); a register writes through it.
    explicit EntryForm(RecordDocument& document, QWidget* parent = nullptr);
    ~EntryForm() override;

    // Fills the form from sheet row `row` with today's date, the company name
    // and the era year where the row is empty, then shows it modally and
    // returns when it has closed.
    void openOnRow(int row, const EraDate& today);

    // The No. box text (noBox), which begins every type B plate.
    QString noBoxText() const;
    // Caption boxes captionBox1..captionBox6, as the settings file stores them at close.
    std::array<QString, 6> captionBoxTexts() const;
    // Fills captionBox1..captionBox6 from f1..f6 (also done at every activation).
    void loadCaptionBoxes();

    // The window the "ｹｰﾌﾞﾙ呼出" button shows (the cable catalogue).
    void setCatalogueWindow(QWidget* catalogue);
    QLineEdit* cableTypeField() const; // cableTypeField
    QLineEdit* purposeField() const;   // purposeField

    // Where register failures are told; an error message box unless replaced.
    void setMessageSink(std::function<void(const QString&)> sink);

Q_SIGNALS:
    // A register wrote a row of the sheet (the grid should repaint).
    void recordRegistered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void setVisible(bool visible) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setUpForm();
    void prepareOnActivation();
    void showCatalogue();
    void registerEntry();
    void repeatAllPrevious();
    void toggleHelp();
    void repeatPrevious(const RepeatButton& button);
    void quickFill(const QuickFill& fill);
    void moveAlongEnterChain(Column from);
    void lendCatalogueToThisForm();
    void giveCatalogueBack();

    QLineEdit* field(Column column) const;
    EntryRecord currentEntry() const;
    void showEntry(const EntryRecord& entry);
    void fillField(Column column, const QString& text);

    struct Controls;
    RecordDocument& document_;
    std::unique_ptr<Controls> controls_;
};
