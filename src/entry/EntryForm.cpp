#include "EntryForm.h"

#include "EntryFormLayout.h"
#include "EntryFormPictures.h"
#include "EntryShortcuts.h"
#include "EntryFormControls.h"
#include "sheet/Failure.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramName.h"
#include "ui/ScreenFonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace L = EntryFormLayout;

EntryForm::EntryForm(RecordDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), controls_(std::make_unique<Controls>(this))
{
    setWindowTitle(L::kCaption.toString());
    setFixedSize(L::kClientSize);
    setFont(UiStyle::screenFont(L::kDefaultPixelSize));

    Controls& c = *controls_;
    c.showMessage = [this](const QString& message) {
        UiStyle::showMessage(this, QMessageBox::Critical, UiStyle::kProgramName, message);
    };
    for (QLineEdit* edit : c.fields)
        edit->installEventFilter(this);
    c.noBox->installEventFilter(this);

    connect(c.button("catalogueButton"), &QPushButton::clicked, this, &EntryForm::showCatalogue);
    connect(c.registerButton, &QPushButton::clicked, this, &EntryForm::registerEntry);
    connect(c.button("repeatAllButton"), &QPushButton::clicked, this, &EntryForm::repeatAllPrevious);
    connect(c.helpButton, &QPushButton::clicked, this, &EntryForm::toggleHelp);
    for (const RepeatButton& repeat : kRepeatButtons)
        connect(c.button(repeat.objectName), &QPushButton::clicked, this, [this, &repeat] { repeatPrevious(repeat); });
    for (const QuickFill& fill : kQuickFills)
        connect(c.button(fill.objectName), &QPushButton::clicked, this, [this, &fill] { quickFill(fill); });

    setUpForm();
}

EntryForm::~EntryForm() = default;

void EntryForm::setUpForm()
{
    // The caption boxes show the captions the next start will use.
    for (size_t i = 0; i < controls_->captionBoxes.size(); ++i) {
        connect(controls_->captionBoxes[i], &QLineEdit::textChanged, this,
                [this, i](const QString& text) { document_.setCaptionForNextStart(static_cast<int>(i), text); });
    }
    for (QLineEdit* edit : controls_->fields)
        edit->clear();
    // The settings file saves these boxes at close even when the form was
    // never opened, so they must hold the stored captions from the start.
    loadCaptionBoxes();
}

void EntryForm::prepareOnActivation()
{
    loadCaptionBoxes();
    field(ColFrom1)->setFocus(Qt::OtherFocusReason);
}

void EntryForm::openOnRow(int row, const EraDate& today)
{
    showEntry(entryForRow(document_.sheet(), row, today, document_.companyName()));
    // Qt centres a dialog over its parent; one without a parent would open in
    // the middle of the screen instead of over the window that opened it.
    if (!parentWidget()) {
        if (QWidget* opener = QApplication::activeWindow(); opener && opener != this)
            adjustPosition(opener);
    }
    exec();
}

QString EntryForm::noBoxText() const
{
    return controls_->noBox->text();
}

std::array<QString, 6> EntryForm::captionBoxTexts() const
{
    std::array<QString, 6> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = controls_->captionBoxes[i]->text();
    return texts;
}

void EntryForm::loadCaptionBoxes()
{
    for (size_t i = 0; i < controls_->captionBoxes.size(); ++i)
        controls_->captionBoxes[i]->setText(document_.settings().caption(static_cast<int>(i) + 1));
}

void EntryForm::setCatalogueWindow(QWidget* catalogue)
{
    giveCatalogueBack();
    controls_->catalogue = catalogue;
}

QLineEdit* EntryForm::cableTypeField() const
{
    return field(ColCableType);
}

QLineEdit* EntryForm::purposeField() const
{
    return field(ColPurpose);
}

void EntryForm::setMessageSink(std::function<void(const QString&)> sink)
{
    controls_->showMessage = std::move(sink);
}

QLineEdit* EntryForm::field(Column column) const
{
    return controls_->field(column);
}

EntryRecord EntryForm::currentEntry() const
{
    EntryRecord entry;
    entry.numberLabel = controls_->numberLabel->text();
    for (Column column : kDataColumns)
        entry.fields.at(column) = field(column)->text();
    return entry;
}

void EntryForm::showEntry(const EntryRecord& entry)
{
    controls_->numberLabel->setText(entry.numberLabel);
    controls_->numberLabel->adjustSize();
    for (Column column : kDataColumns)
        fillField(column, entry.fields.at(column));
}

// A filled box shows the start of its text: the end of a long text alone
// ("グリオ電設株式会社") would hide what the field holds.
void EntryForm::fillField(Column column, const QString& text)
{
    QLineEdit* edit = field(column);
    edit->setText(text);
    edit->setCursorPosition(0);
}

void EntryForm::registerEntry()
{
    Controls& c = *controls_;
    RegisterResult result;
    try {
        result = planRegistration(document_.sheet(), c.ed, currentEntry());
    } catch (const Failure& failure) {
        // The store already holds the form's texts; the form stays open so
        // the user can correct the record or close it.
        field(ColFrom1)->setFocus(Qt::OtherFocusReason);
        c.showMessage(failure.message());
        return;
    }
    if (result.outcome == RegisterOutcome::Written) {
        document_.registerRecord(result.row, result.texts, result.newRecord);
        field(ColFrom1)->setFocus(Qt::OtherFocusReason);
        Q_EMIT recordRegistered();
    }
    accept();
}

void EntryForm::repeatPrevious(const RepeatButton& button)
{
    for (int column = button.first; column <= button.last; ++column)
        fillField(Column(column), controls_->ed.at(Column(column)));
}

void EntryForm::repeatAllPrevious()
{
    for (const RepeatButton& button : kRepeatButtons)
        repeatPrevious(button);
}

void EntryForm::quickFill(const QuickFill& fill)
{
    fillField(fill.into, fill.text.toString());
    field(fill.focusTo)->setFocus(Qt::OtherFocusReason);
}

void EntryForm::moveAlongEnterChain(Column from)
{
    const std::optional<Column> next = nextOnEnter(from);
    if (!next) {
        // A shortcut-like focus change counts as a keyboard one, the only kind
        // for which the style draws the focus frame that tells Enter will
        // now register.
        controls_->registerButton->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    QLineEdit* edit = field(*next);
    edit->setFocus(Qt::OtherFocusReason);
    edit->deselect();
    edit->end(false);
}

void EntryForm::toggleHelp()
{
    Controls& c = *controls_;
    const QString caption = c.helpButton->text();
    const bool show = caption == L::kHelpButtonShow;
    if (!show && caption != L::kHelpButtonClose)
        return;
    c.helpPanel->setVisible(show);
    if (show)
        c.helpPanel->raise();
    c.helpButton->setText((show ? L::kHelpButtonClose : L::kHelpButtonShow).toString());
    c.noBox->setVisible(!show);
    c.numberLabel->setVisible(!show);
}

void EntryForm::showCatalogue()
{
    QWidget* catalogue = controls_->catalogue;
    if (!catalogue)
        return;
    lendCatalogueToThisForm();
    catalogue->show();
    catalogue->raise();
    catalogue->activateWindow();
}

// While this form runs modally every other window is blocked, except windows
// that belong to it. Making the catalogue a transient of this form, for as
// long as the form is open, keeps the catalogue usable beside it.
void EntryForm::lendCatalogueToThisForm()
{
    Controls& c = *controls_;
    if (!c.catalogue || !c.catalogue->isWindow() || !windowHandle())
        return;
    c.catalogue->winId(); // its native window must exist to be re-hung
    QWindow* handle = c.catalogue->windowHandle();
    if (!handle || handle->transientParent() == windowHandle())
        return;
    c.catalogueOwner = handle->transientParent();
    handle->setTransientParent(windowHandle());
    c.catalogueLent = true;
}

void EntryForm::giveCatalogueBack()
{
    Controls& c = *controls_;
    if (!c.catalogueLent)
        return;
    c.catalogueLent = false;
    if (!c.catalogue)
        return;
    if (QWindow* handle = c.catalogue->windowHandle(); handle && handle->transientParent() == windowHandle())
        handle->setTransientParent(c.catalogueOwner);
}

bool EntryForm::eventFilter(QObject* watched, QEvent* event)
{
    Controls& c = *controls_;
    const std::optional<Column> column = c.columnOf(watched);
    const bool noBox = watched == c.noBox;
    if (!column && !noBox)
        return QDialog::eventFilter(watched, event);

    if (event->type() == QEvent::MouseButtonDblClick) {
        static_cast<QLineEdit*>(watched)->clear();
        return true;
    }
    if (column && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            moveAlongEnterChain(*column);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EntryForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button is pressed by Enter, as on any desktop form; in a
        // text box Enter does nothing (the data fields handle it themselves).
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        event->accept();
        return;
    case Qt::Key_Escape:
        // As the close box: nothing is registered. An input method that is
        // composing takes the Escape itself to cancel the composition.
        event->accept();
        close();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void EntryForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show is the window system restoring the window, not an opening.
    if (!event->spontaneous())
        prepareOnActivation();
}

void EntryForm::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing a dialog hands its focus box a Tab focus event, which selects
    // the whole text and scrolls a long one to its end; the form opens with
    // the start of every text in view instead.
    if (visible) {
        for (QLineEdit* edit : controls_->fields)
            edit->setCursorPosition(0);
    }
}

void EntryForm::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        giveCatalogueBack();
    QDialog::hideEvent(event);
}
