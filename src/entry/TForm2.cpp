#include "TForm2.h"

#include "EntryFormLayout.h"
#include "EntryFormPictures.h"
#include "EntryShortcuts.h"
#include "TForm2Controls.h"
#include "sheet/Failure.h"
#include "ui/ScreenFonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace L = EntryFormLayout;

TForm2::TForm2(RecordDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), controls_(std::make_unique<Controls>(this))
{
    setWindowTitle(L::kCaption.toString());
    setFixedSize(L::kClientSize);
    setFont(UiStyle::screenFont(L::kDefaultPixelSize));

    Controls& c = *controls_;
    c.showMessage = [this](const QString& message) {
        QMessageBox::critical(this, QApplication::applicationDisplayName(), message);
    };
    for (QLineEdit* edit : c.fields)
        edit->installEventFilter(this);
    c.noBox->installEventFilter(this);

    connect(c.button("Button1"), &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(c.registerButton, &QPushButton::clicked, this, &TForm2::Button9Click);
    connect(c.button("Button14"), &QPushButton::clicked, this, &TForm2::Button14Click);
    connect(c.helpButton, &QPushButton::clicked, this, &TForm2::Button15Click);
    for (const RepeatButton& repeat : kRepeatButtons)
        connect(c.button(repeat.objectName), &QPushButton::clicked, this, [this, &repeat] { repeatPrevious(repeat); });
    for (const QuickFill& fill : kQuickFills)
        connect(c.button(fill.objectName), &QPushButton::clicked, this, [this, &fill] { quickFill(fill); });

    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate()
{
    for (QLineEdit* edit : controls_->fields)
        edit->clear();
    // The settings file saves these boxes at close even when the form was
    // never opened, so they must hold the stored captions from the start.
    loadCaptionBoxes();
}

void TForm2::FormActivate()
{
    loadCaptionBoxes();
    field(ColFrom1)->setFocus(Qt::OtherFocusReason);
}

void TForm2::openOnRow(int row, const EraDate& today)
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

QString TForm2::noBoxText() const
{
    return controls_->noBox->text();
}

std::array<QString, 6> TForm2::captionBoxTexts() const
{
    std::array<QString, 6> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = controls_->captionBoxes[i]->text();
    return texts;
}

void TForm2::loadCaptionBoxes()
{
    for (size_t i = 0; i < controls_->captionBoxes.size(); ++i)
        controls_->captionBoxes[i]->setText(document_.settings().caption(static_cast<int>(i) + 1));
}

void TForm2::setCatalogueWindow(QWidget* catalogue)
{
    giveCatalogueBack();
    controls_->catalogue = catalogue;
}

QLineEdit* TForm2::cableTypeField() const
{
    return field(ColCableType);
}

QLineEdit* TForm2::purposeField() const
{
    return field(ColPurpose);
}

void TForm2::setMessageSink(std::function<void(const QString&)> sink)
{
    controls_->showMessage = std::move(sink);
}

QLineEdit* TForm2::field(Column column) const
{
    return controls_->field(column);
}

EntryRecord TForm2::currentEntry() const
{
    EntryRecord entry;
    entry.numberLabel = controls_->numberLabel->text();
    for (Column column : kDataColumns)
        entry.fields.at(column) = field(column)->text();
    return entry;
}

void TForm2::showEntry(const EntryRecord& entry)
{
    controls_->numberLabel->setText(entry.numberLabel);
    controls_->numberLabel->adjustSize();
    for (Column column : kDataColumns)
        fillField(column, entry.fields.at(column));
}

// A filled box shows the start of its text: the end of a long text alone
// ("グリオ電設株式会社") would hide what the field holds.
void TForm2::fillField(Column column, const QString& text)
{
    QLineEdit* edit = field(column);
    edit->setText(text);
    edit->setCursorPosition(0);
}

void TForm2::Button9Click()
{
    Controls& c = *controls_;
    RegisterResult result;
    try {
        result = document_.editSheet([&](RecordSheet& sheet) { return registerRecord(sheet, c.ed, currentEntry()); });
    } catch (const Failure& failure) {
        // The store already holds the form's texts; the form stays open so
        // the user can correct the record or close it.
        field(ColFrom1)->setFocus(Qt::OtherFocusReason);
        c.showMessage(failure.message());
        return;
    }
    if (result.outcome == RegisterOutcome::Written) {
        field(ColFrom1)->setFocus(Qt::OtherFocusReason);
        Q_EMIT recordRegistered();
    }
    accept();
}

void TForm2::repeatPrevious(const RepeatButton& button)
{
    for (int column = button.first; column <= button.last; ++column)
        fillField(Column(column), controls_->ed.at(Column(column)));
}

void TForm2::Button14Click()
{
    for (const RepeatButton& button : kRepeatButtons)
        repeatPrevious(button);
}

void TForm2::quickFill(const QuickFill& fill)
{
    fillField(fill.into, fill.text.toString());
    field(fill.focusTo)->setFocus(Qt::OtherFocusReason);
}

void TForm2::moveAlongEnterChain(Column from)
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

void TForm2::Button15Click()
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

void TForm2::Button1Click()
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
void TForm2::lendCatalogueToThisForm()
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

void TForm2::giveCatalogueBack()
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

bool TForm2::eventFilter(QObject* watched, QEvent* event)
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

void TForm2::keyPressEvent(QKeyEvent* event)
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
        // The form closes by register or by its close box only: a stray
        // Escape must not throw away what was typed.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show is the window system restoring the window, not an opening.
    if (!event->spontaneous())
        FormActivate();
}

void TForm2::setVisible(bool visible)
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

void TForm2::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        giveCatalogueBack();
    QDialog::hideEvent(event);
}
