#include "entry/EntryForm.h"
#include "../DocumentEdits.h"

#include "../LayoutInvariants.h"
#include "entry/EntryFormLayout.h"
#include "entry/EntryRecord.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// Where the form's layout tables put each control, in form client
// coordinates; an empty size states only the position (labels fit their text).
struct Placement {
    const char* name;
    QRect rect;
    QString text; // null: not stated
};

std::vector<Placement> formPlacements()
{
    namespace L = EntryFormLayout;
    std::vector<Placement> placements;
    const auto add = [&](const char* name, QRect rect, QStringView text = {}) {
        placements.push_back({name, rect, text.isNull() ? QString() : text.toString()});
    };
    const auto label = [&](const L::Label& item, QPoint origin) {
        add(item.objectName, QRect(item.position + origin, QSize()), item.text);
    };
    add("formBackground", L::kBackgroundPanel);
    add("topBar", L::kTopBar);
    add("helpPanel", L::kHelpPanel);
    add(L::kNoBox.objectName, L::kNoBox.rect, L::kNoBoxText);
    label(L::kNumberLabel, {});
    for (const L::Frame& item : L::kFrames)
        add(item.objectName, item.rect);
    for (const L::CaptionBox& item : L::kCaptionBoxes)
        add(item.objectName, item.rect);
    for (const L::DataField& item : L::kDataFields)
        add(item.objectName, item.rect);
    for (const L::Button& item : L::kButtons)
        add(item.objectName, item.rect, item.text);
    for (const L::Label& item : L::kLabels)
        label(item, {});
    add("smallPicture", L::kSmallPicture);
    // The help panel's contents are placed relative to the panel.
    const QPoint helpOrigin = L::kHelpPanel.topLeft();
    add("helpPicture", L::kHelpPicture.translated(helpOrigin));
    add("helpSmallPicture", L::kHelpSmallPicture.translated(helpOrigin));
    label(L::kHelpLabel, helpOrigin);
    return placements;
}

} // namespace

// The entry form driven through its object names, on the offscreen platform.
class EntryFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordDocument> document;
    std::unique_ptr<QWidget> mainWindow;
    EntryForm* form = nullptr; // owned by mainWindow
    QStringList messages;
    const EraDate today{u"令和"_qs, u"5"_qs, u"令和5年4月1日"_qs};
    const QString company = u"〇〇〇〇株式会社"_qs; // the new document's company name

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* widget = form->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }
    QString text(const char* name) const { return control(name)->property("text").toString(); }
    QString focused() const { return form->focusWidget() ? form->focusWidget()->objectName() : QString(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    void pressEnterIn(const char* name)
    {
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key_Return);
    }

    // Opens the form on `row` as the record sheet's double click does and
    // runs `whileOpen` inside the modal loop; a form still open after it is
    // closed by its close box. Returns the dialog's result.
    int openOnRow(int row, const std::function<void()>& whileOpen)
    {
        bool ran = false;
        QTimer::singleShot(0, form, [&] {
            ran = true;
            if (QTest::qWaitForWindowExposed(form))
                whileOpen();
            if (form->isVisible())
                form->close();
        });
        form->openOnRow(row, today);
        if (!ran)
            qWarning("the form never ran its modal loop");
        return form->result();
    }

    // The record that a register on a fresh form of `row` produces.
    void setRecord(int row, const QString& number, const QString& from1)
    {
        editList(*document, [&](RecordSheet& sheet) { sheet.editRow(row) = Record{number, from1}; });
    }
    void setRecordCount(int count)
    {
        editList(*document, [count](RecordSheet& sheet) { sheet.recordCount = count; });
    }
    const RecordSheet& sheet() const { return document->sheet(); }
    const Settings& f() const { return document->settings(); }

private Q_SLOTS:
    void init()
    {
        document = std::make_unique<RecordDocument>();
        messages.clear();
        mainWindow = std::make_unique<QWidget>();
        mainWindow->resize(1076, 600);
        mainWindow->show();
        form = new EntryForm(*document, mainWindow.get());
        form->setMessageSink([this](const QString& message) { messages << message; });
    }
    void cleanup()
    {
        mainWindow.reset();
        document.reset();
    }

    void layout_data();
    void layout();
    void layoutInvariants();
    void looks();
    void tabOrder();
    void captionBoxesHoldTheStoredCaptionsFromCreation();
    void openingOnAnEmptyRowProposesTheNextRecordWithDefaults();
    void registerWritesTheRecordsOwnRowAndCloses();
    void registerWithoutARecordClosesAndWritesNothing();
    void registerOnTheHeaderRowFailsAndKeepsTheFormOpen();
    void closeBoxAndEscapeWriteNothing_data();
    void closeBoxAndEscapeWriteNothing();
    void repeatButtons();
    void quickFill_data();
    void quickFill();
    void enterWalksTheFieldsAndEndsOnRegister();
    void enterInOtherBoxesNeverRegistersOrCloses();
    void textsLongerThanQtsDefaultLimitAreKeptWhole();
    void filledFieldsShowTheStartOfTheirText();
    void cableTypeBoxTakesNoInputMethod();
    void doubleClickEmptiesADataFieldOrTheNoBox();
    void captionBoxesAreReloadedAtEachOpening();
    void helpToggle();
    void aRecordNumberFromAFileShowsAsWritten();
    void opensCentredOverTheMainWindow();
    void catalogueStaysUsableWhileTheFormIsOpen_data();
    void catalogueStaysUsableWhileTheFormIsOpen();
};

void EntryFormTest::layout_data()
{
    QTest::addColumn<QRect>("rect"); // in form client coordinates; empty size: only the position is stated
    QTest::addColumn<QString>("text");
    for (const Placement& item : formPlacements())
        QTest::newRow(item.name) << item.rect << item.text;
}

void EntryFormTest::layout()
{
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    const QWidget* widget = control(QTest::currentDataTag());
    QCOMPARE(widget->mapTo(form, QPoint(0, 0)), rect.topLeft());
    if (!rect.isEmpty())
        QCOMPARE(widget->size(), rect.size());
    if (!text.isNull())
        QCOMPARE(widget->property("text").toString(), text);
}

void EntryFormTest::layoutInvariants()
{
    namespace L = EntryFormLayout;
    // Every name on the Tab key's path is a control of the form, once.
    QSet<QString> onPath;
    for (const char* name : L::kTabOrder) {
        QVERIFY2(control(name)->focusPolicy() & Qt::TabFocus, name);
        QVERIFY2(!onPath.contains(QLatin1String(name)), name);
        onPath << QLatin1String(name);
    }

    // Every named control of the form is one the layout places, and the
    // layout places each name once.
    QSet<QString> placed;
    for (const Placement& item : formPlacements()) {
        QVERIFY2(!placed.contains(QLatin1String(item.name)), item.name);
        placed << QLatin1String(item.name);
    }
    QStringList unplaced;
    for (const QWidget* widget : LayoutInvariants::namedControls(form)) {
        if (!placed.contains(widget->objectName()))
            unplaced << widget->objectName();
    }
    QCOMPARE(unplaced, QStringList());

    // Neighbouring controls share one-pixel edges only; the "(至) NAME -2"
    // field runs three pixels under its repeat button.
    QCOMPARE(LayoutInvariants::overlappingSiblings(form, {u"helpButtonFrame"_qs, u"registerButtonFrame"_qs},
                                                   {{u"to2Field"_qs, u"repeatToButton"_qs}}),
             QStringList());
}

void EntryFormTest::looks()
{
    QCOMPARE(form->windowTitle(), u"データー入力フォーム"_qs);
    QCOMPARE(form->size(), QSize(892, 342));
    QVERIFY(form->isModal() || !form->isVisible());

    const auto colour = [&](const char* name, QPalette::ColorRole role) {
        return control(name)->palette().color(role);
    };
    QCOMPARE(colour("formBackground", QPalette::Window), QColor(207, 205, 173));
    QCOMPARE(colour("topBar", QPalette::Window), QColor(242, 244, 159));
    QCOMPARE(colour("helpPanel", QPalette::Window), QColor(0, 64, 64));
    QCOMPARE(colour("helpButtonFrame", QPalette::Window), QColor(0, 128, 128));
    QCOMPARE(colour("registerButtonFrame", QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(colour("noBox", QPalette::Base), QColor(0, 128, 0));
    QCOMPARE(colour("noBox", QPalette::Text), QColor(Qt::white));
    QCOMPARE(colour("captionBox3", QPalette::Base), QColor(0, 0, 160));
    QCOMPARE(colour("captionBox3", QPalette::Text), QColor(Qt::white));
    QCOMPARE(colour("recordNumberLabel", QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(colour("helpTitle", QPalette::WindowText), QColor(255, 251, 240));
    QCOMPARE(edit("noBox")->alignment(), Qt::AlignCenter);
    QCOMPARE(edit("captionBox1")->alignment(), Qt::AlignCenter);
    QVERIFY(!control("helpPanel")->isVisible());

    struct Face {
        const char* name;
        int pixelSize;
        bool bold;
    };
    for (const Face& face : {Face{"noBox", 13, false}, Face{"recordNumberLabel", 16, true}, Face{"captionBox1", 16, false},
                             Face{"from1Field", 16, false}, Face{"manufactureYearField", 16, false}, Face{"rangeMarkLabel", 19, true},
                             Face{"cableDashLabel", 16, false}, Face{"cubicleButton", 11, false}, Face{"powerTrunkButton", 11, false},
                             Face{"repeatAllButton", 16, true}, Face{"registerButton", 27, true}, Face{"helpTitle", 19, false}}) {
        const QFont font = control(face.name)->font();
        QVERIFY2(font.pixelSize() == face.pixelSize && font.bold() == face.bold, face.name);
        QCOMPARE(font.families().value(0), u"Tahoma"_qs);
        QVERIFY(font.families().contains(u"IPAPGothic"_qs));
    }

    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY2(!button->autoDefault() && !button->isDefault(), qPrintable(button->objectName()));
    }

    // Designations are typed in Latin letters; everything else may be Japanese.
    QVERIFY(edit("cableTypeField")->inputMethodHints() & Qt::ImhLatinOnly);
    for (const char* name : {"captionBox1", "captionBox6", "from1Field", "from2Field", "circuitField", "purposeField", "manufactureYearField"})
        QCOMPARE(edit(name)->inputMethodHints(), Qt::ImhNone);

    // The pictures are drawn, not left blank.
    for (const char* name : {"smallPicture", "helpPicture", "helpSmallPicture"}) {
        const QPixmap pixmap = control<QLabel>(name)->pixmap();
        QCOMPARE(pixmap.size(), control(name)->size());
        const QImage image = pixmap.toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 2, name);
    }
}

void EntryFormTest::tabOrder()
{
    const QStringList expected = {
        u"captionBox1"_qs,    u"captionBox2"_qs,    u"captionBox3"_qs,    u"captionBox4"_qs,    u"captionBox5"_qs,    u"captionBox6"_qs,
        u"from1Field"_qs,    u"to1Field"_qs,    u"cableTypeField"_qs,    u"purposeField"_qs,   u"constructionDateField"_qs,   u"constructorField"_qs,
        u"manufactureYearField"_qs,   u"catalogueButton"_qs,  u"repeatFromButton"_qs,  u"repeatToButton"_qs,  u"repeatCableButton"_qs,  u"repeatPurposeButton"_qs,
        u"repeatDateButton"_qs,  u"repeatConstructorButton"_qs,  u"repeatYearButton"_qs,  u"registerButton"_qs,  u"lightingPanelButton"_qs, u"powerPanelButton"_qs,
        u"circuitField"_qs,   u"from2Field"_qs,   u"to2Field"_qs,   u"lightingTrunkButton"_qs, u"powerTrunkButton"_qs, u"noBox"_qs,
        u"repeatAllButton"_qs, u"cubicleButton"_qs, u"electricRoomButton"_qs, u"helpButton"_qs, u"captionBox1"_qs,
    };
    QStringList visited;
    openOnRow(1, [&] {
        edit("captionBox1")->setFocus();
        visited << focused();
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
            visited << focused();
        }
    });
    QCOMPARE(visited, expected);
}

void EntryFormTest::captionBoxesHoldTheStoredCaptionsFromCreation()
{
    // Closing the program saves these boxes, even if the form was never shown.
    std::array<QString, 6> expected;
    for (int n = 1; n <= 6; ++n)
        expected[size_t(n - 1)] = f().caption(n);
    QVERIFY(form->captionBoxTexts() == expected);
    QCOMPARE(form->noBoxText(), u"No."_qs);
    for (const char* name : {"from1Field", "from2Field", "to1Field", "to2Field", "circuitField", "cableTypeField", "purposeField", "constructionDateField", "constructorField",
                             "manufactureYearField"})
        QVERIFY(edit(name)->text().isEmpty());
}

void EntryFormTest::openingOnAnEmptyRowProposesTheNextRecordWithDefaults()
{
    setRecordCount(5);
    QString number, date, constructor, year, from1, focus;
    openOnRow(40, [&] {
        number = text("recordNumberLabel");
        date = text("constructionDateField");
        constructor = text("constructorField");
        year = text("manufactureYearField");
        from1 = text("from1Field");
        focus = focused();
    });
    QCOMPARE(number, u"6"_qs);
    QCOMPARE(date, u"令和5年4月1日"_qs);
    QCOMPARE(constructor, company);
    QCOMPARE(year, u"令和5年"_qs);
    QCOMPARE(from1, QString());
    QCOMPARE(focus, u"from1Field"_qs);
}

void EntryFormTest::registerWritesTheRecordsOwnRowAndCloses()
{
    for (int r = 1; r <= 5; ++r)
        setRecord(r, QString::number(r), u"盤%1"_qs.arg(r));
    setRecordCount(5);
    QSignalSpy registered(form, &EntryForm::recordRegistered);

    bool stillOpenAfterRegister = true;
    const int result = openOnRow(40, [&] {
        QTest::keyClicks(edit("from1Field"), u"MCC-1"_qs);
        edit("purposeField")->setText(u"動力幹線"_qs);
        click("registerButton");
        stillOpenAfterRegister = form->isVisible();
    });
    QVERIFY(!stillOpenAfterRegister);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(registered.count(), 1);
    QCOMPARE(sheet().recordCount, 6);
    const Record written = sheet().row(6);
    QCOMPARE(written[ColNumber], u"6"_qs);
    QCOMPARE(written[ColFrom1], u"MCC-1"_qs);
    QCOMPARE(written[ColPurpose], u"動力幹線"_qs);
    QCOMPARE(written[ColConstructionDate], u"令和5年4月1日"_qs);
    QCOMPARE(written[ColConstructor], company);
    QCOMPARE(written[ColManufactureYear], u"令和5年"_qs);
    QVERIFY(sheet().row(40) == Record{});

    // Editing record 3 writes row 3 and keeps the count.
    openOnRow(3, [&] {
        edit("purposeField")->setText(u"電灯幹線"_qs);
        click("registerButton");
    });
    QCOMPARE(sheet().cell(ColPurpose, 3), u"電灯幹線"_qs);
    QCOMPARE(sheet().cell(ColFrom1, 3), u"盤3"_qs);
    QCOMPARE(sheet().recordCount, 6);
    QCOMPARE(registered.count(), 2);
    QVERIFY(messages.isEmpty());
}

void EntryFormTest::registerWithoutARecordClosesAndWritesNothing()
{
    const RecordSheet before = sheet();
    QSignalSpy registered(form, &EntryForm::recordRegistered);
    bool stillOpen = true;
    openOnRow(1, [&] {
        for (const char* name : {"constructionDateField", "constructorField", "manufactureYearField"})
            edit(name)->clear();
        edit("from2Field")->setText(u"LP-1"_qs);
        edit("circuitField")->setText(u"3"_qs);
        click("registerButton");
        stillOpen = form->isVisible();
    });
    QVERIFY(!stillOpen);
    QVERIFY(sheet() == before);
    QCOMPARE(registered.count(), 0);
}

void EntryFormTest::registerOnTheHeaderRowFailsAndKeepsTheFormOpen()
{
    const RecordSheet before = sheet();
    bool stillOpen = false;
    QString focusAfterFailure, purposeAfterRepeat;
    const int result = openOnRow(0, [&] {
        QCOMPARE(text("recordNumberLabel"), u"No."_qs);
        edit("constructionDateField")->setFocus();
        click("registerButton");
        stillOpen = form->isVisible();
        focusAfterFailure = focused();
        // The store took the form's texts before the number was read.
        edit("purposeField")->clear();
        click("repeatPurposeButton");
        purposeAfterRepeat = text("purposeField");
    });
    QCOMPARE(messages, QStringList{u"'No.' は整数ではありません"_qs});
    QVERIFY(stillOpen);
    QCOMPARE(focusAfterFailure, u"from1Field"_qs);
    QCOMPARE(purposeAfterRepeat, u"用途"_qs);
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(sheet() == before);
}

void EntryFormTest::closeBoxAndEscapeWriteNothing_data()
{
    QTest::addColumn<QString>("escapeFrom"); // empty: the close box
    QTest::newRow("close box") << QString();
    QTest::newRow("Escape in a data field") << u"from1Field"_qs;
    QTest::newRow("Escape on a button") << u"registerButton"_qs;
}

void EntryFormTest::closeBoxAndEscapeWriteNothing()
{
    QFETCH(QString, escapeFrom);
    const RecordSheet before = sheet();
    bool closedByEscape = false;
    const int result = openOnRow(1, [&] {
        edit("from1Field")->setText(u"電気室"_qs);
        if (escapeFrom.isEmpty())
            return;
        control(qPrintable(escapeFrom))->setFocus();
        QTest::keyClick(control(qPrintable(escapeFrom)), Qt::Key_Escape);
        closedByEscape = !form->isVisible();
    });
    QCOMPARE(closedByEscape, !escapeFrom.isEmpty());
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(sheet() == before);
    // Nor does it touch the store: repeat-all still has nothing to bring back.
    QString from1 = u"?"_qs;
    openOnRow(1, [&] {
        click("repeatAllButton");
        from1 = text("from1Field");
    });
    QCOMPARE(from1, QString());
}

void EntryFormTest::repeatButtons()
{
    const char* const fields[] = {"from1Field", "from2Field", "to1Field", "to2Field", "circuitField",
                                  "cableTypeField", "purposeField", "constructionDateField", "constructorField", "manufactureYearField"};

    // Before any register the store is empty: repeat-all empties every field.
    QStringList afterRepeatAll;
    openOnRow(1, [&] {
        for (const char* name : fields)
            edit(name)->setText(u"x"_qs);
        click("repeatAllButton");
        for (const char* name : fields)
            afterRepeatAll << text(name);
    });
    QCOMPARE(afterRepeatAll, QStringList(10, QString()));

    QStringList registeredTexts;
    openOnRow(1, [&] {
        for (const char* name : fields) {
            edit(name)->setText(u"前 %1"_qs.arg(QLatin1String(name)));
            registeredTexts << text(name);
        }
        click("registerButton");
    });

    // Each button brings back its own fields and leaves the others and the focus.
    const QList<QPair<const char*, QStringList>> buttons = {
        {"repeatFromButton", {u"from1Field"_qs, u"from2Field"_qs}},   {"repeatToButton", {u"to1Field"_qs, u"to2Field"_qs}},
        {"repeatCableButton", {u"circuitField"_qs, u"cableTypeField"_qs}},   {"repeatPurposeButton", {u"purposeField"_qs}},
        {"repeatDateButton", {u"constructionDateField"_qs}},                {"repeatConstructorButton", {u"constructorField"_qs}},
        {"repeatYearButton", {u"manufactureYearField"_qs}},
    };
    for (const auto& [button, restored] : buttons) {
        QStringList after;
        QString focus;
        openOnRow(2, [&] {
            for (const char* name : fields)
                edit(name)->setText(u"new"_qs);
            edit("constructorField")->setFocus();
            control<QPushButton>(button)->click(); // the handler, without the focus a mouse press gives

            focus = focused();
            for (const char* name : fields)
                after << text(name);
        });
        for (int i = 0; i < 10; ++i) {
            const bool isRestored = restored.contains(QLatin1String(fields[i]));
            QCOMPARE(after[i], isRestored ? registeredTexts[i] : u"new"_qs);
        }
        QCOMPARE(focus, u"constructorField"_qs);
    }

    QStringList afterRepeatAllAgain;
    openOnRow(2, [&] {
        click("repeatAllButton");
        for (const char* name : fields)
            afterRepeatAllAgain << text(name);
    });
    QCOMPARE(afterRepeatAllAgain, registeredTexts);
}

void EntryFormTest::quickFill_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("focusTo");
    QTest::newRow("cubicleButton") << u"from1Field"_qs << u"キュービクル"_qs << u"from2Field"_qs;
    QTest::newRow("electricRoomButton") << u"from1Field"_qs << u"電気室"_qs << u"from2Field"_qs;
    QTest::newRow("lightingPanelButton") << u"to1Field"_qs << u"電灯分電盤 "_qs << u"to2Field"_qs;
    QTest::newRow("powerPanelButton") << u"to1Field"_qs << u"動力分電盤 "_qs << u"to2Field"_qs;
    QTest::newRow("lightingTrunkButton") << u"purposeField"_qs << u"電灯幹線"_qs << u"constructionDateField"_qs;
    QTest::newRow("powerTrunkButton") << u"purposeField"_qs << u"動力幹線"_qs << u"constructionDateField"_qs;
}

void EntryFormTest::quickFill()
{
    QFETCH(QString, field);
    QFETCH(QString, written);
    QFETCH(QString, focusTo);
    QString text, focus;
    openOnRow(1, [&] {
        edit(qPrintable(field))->setText(u"前の文字"_qs);
        click(QTest::currentDataTag());
        text = edit(qPrintable(field))->text();
        focus = focused();
    });
    QCOMPARE(text, written);
    QCOMPARE(focus, focusTo);
}

void EntryFormTest::enterWalksTheFieldsAndEndsOnRegister()
{
    const QStringList chain = {u"from1Field"_qs,  u"from2Field"_qs, u"to1Field"_qs,  u"to2Field"_qs, u"circuitField"_qs,
                               u"cableTypeField"_qs,  u"purposeField"_qs, u"constructionDateField"_qs, u"constructorField"_qs, u"manufactureYearField"_qs,
                               u"registerButton"_qs};
    const RecordSheet before = sheet();
    QSignalSpy registered(form, &EntryForm::recordRegistered);
    QStringList reached, textsAfter;
    bool caretsAtEnd = true;
    bool openAtEnd = false;
    QStyle::State registerState;
    openOnRow(1, [&] {
        for (int i = 0; i + 1 < chain.size(); ++i)
            edit(qPrintable(chain[i]))->setText(u"値%1"_qs.arg(i));
        edit("from1Field")->setFocus();
        for (int i = 0; i + 1 < chain.size(); ++i) {
            QTest::keyClick(form->focusWidget(), Qt::Key_Return);
            reached << focused();
            if (auto* next = qobject_cast<QLineEdit*>(form->focusWidget()))
                caretsAtEnd = caretsAtEnd && !next->hasSelectedText() && next->cursorPosition() == next->text().size();
        }
        for (int i = 0; i + 1 < chain.size(); ++i)
            textsAfter << text(qPrintable(chain[i]));
        openAtEnd = form->isVisible();
        QStyleOptionButton option;
        option.initFrom(control("registerButton"));
        registerState = option.state;
    });
    QCOMPARE(reached, chain.mid(1));
    // The style draws the focus frame only for a keyboard focus change.
    QVERIFY(registerState & QStyle::State_HasFocus);
    QVERIFY(registerState & QStyle::State_KeyboardFocusChange);
    QVERIFY(caretsAtEnd);
    QVERIFY(openAtEnd);
    QCOMPARE(registered.count(), 0);
    QVERIFY(sheet() == before);
    for (int i = 0; i < textsAfter.size(); ++i)
        QCOMPARE(textsAfter[i], u"値%1"_qs.arg(i)); // the key typed nothing

    // With the chain ended on "登録", the next Enter presses it.
    openOnRow(1, [&] {
        edit("from1Field")->setText(u"電気室"_qs);
        pressEnterIn("manufactureYearField");
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(registered.count(), 1);
    QCOMPARE(sheet().cell(ColFrom1, 1), u"電気室"_qs);
}

void EntryFormTest::enterInOtherBoxesNeverRegistersOrCloses()
{
    const RecordSheet before = sheet();
    QStringList pressed;
    for (QPushButton* button : form->findChildren<QPushButton*>())
        connect(button, &QPushButton::clicked, form, [&pressed, button] { pressed << button->objectName(); });
    QStringList stillOpenAfter;
    openOnRow(1, [&] {
        edit("from1Field")->setText(u"電気室"_qs);
        // Visits that would leave a button as the dialog's default.
        control("registerButton")->setFocus();
        control("repeatAllButton")->setFocus();
        for (const char* name : {"captionBox1", "captionBox6", "noBox"}) {
            pressEnterIn(name);
            if (form->isVisible())
                stillOpenAfter << QLatin1String(name);
        }
    });
    QCOMPARE(stillOpenAfter, (QStringList{u"captionBox1"_qs, u"captionBox6"_qs, u"noBox"_qs}));
    QCOMPARE(pressed, QStringList());
    QVERIFY(sheet() == before);
}

void EntryFormTest::textsLongerThanQtsDefaultLimitAreKeptWhole()
{
    const QString longText = QString(40000, u'線');
    setRecordCount(1);
    editList(*document, [&](RecordSheet& sheet) {
        sheet.editRow(1) = Record{u"1"_qs};
        for (Column column : kDataColumns)
            sheet.editRow(1)[column] = longText;
    });
    const RecordSheet before = sheet();
    QList<qsizetype> boxSizes;
    openOnRow(1, [&] {
        for (const char* name : {"captionBox1", "captionBox6", "noBox"}) {
            edit(name)->setText(longText);
            boxSizes << text(name).size();
        }
        click("registerButton");
    });
    QVERIFY(sheet() == before);
    QCOMPARE(boxSizes, (QList<qsizetype>{40000, 40000, 40000}));
}

void EntryFormTest::filledFieldsShowTheStartOfTheirText()
{
    const QString longName = u"タグリオ電設株式会社　本社工事部　第二課"_qs;
    setRecord(1, u"1"_qs, longName);
    setRecordCount(1);
    // Filled on opening, by a repeat button and by a quick fill.
    QList<int> cursors;
    QString repeated;
    openOnRow(1, [&] {
        cursors << edit("from1Field")->cursorPosition();
        click("registerButton");
    });
    openOnRow(2, [&] {
        click("repeatAllButton");
        cursors << edit("from1Field")->cursorPosition();
        repeated = text("from1Field");
        click("cubicleButton"); // キュービクル into from1Field
        cursors << edit("from1Field")->cursorPosition();
    });
    QCOMPARE(cursors, (QList<int>{0, 0, 0}));
    QCOMPARE(repeated, longName);
}

void EntryFormTest::cableTypeBoxTakesNoInputMethod()
{
    // What an input method asks the focused widget before it turns on.
    const auto inputMethodEnabled = [](QLineEdit* box) {
        box->setFocus(Qt::OtherFocusReason);
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &query);
        return query.value(Qt::ImEnabled).toBool();
    };
    bool cableType = true, purpose = false;
    openOnRow(1, [&] {
        cableType = inputMethodEnabled(edit("cableTypeField"));
        purpose = inputMethodEnabled(edit("purposeField"));
    });
    QVERIFY(!cableType);
    QVERIFY(purpose);
}

void EntryFormTest::doubleClickEmptiesADataFieldOrTheNoBox()
{
    QString year, noBox, caption, other;
    openOnRow(1, [&] {
        QTest::mouseDClick(edit("manufactureYearField"), Qt::LeftButton);
        QTest::mouseDClick(edit("noBox"), Qt::LeftButton);
        QTest::mouseDClick(edit("captionBox1"), Qt::LeftButton);
        year = text("manufactureYearField");
        noBox = text("noBox");
        caption = text("captionBox1");
        other = text("constructionDateField");
    });
    QCOMPARE(year, QString());
    QCOMPARE(noBox, QString());
    QCOMPARE(form->noBoxText(), QString()); // nothing brings "No." back during the run
    QCOMPARE(caption, f().caption(1));
    QCOMPARE(other, u"令和5年4月1日"_qs);
}

void EntryFormTest::captionBoxesAreReloadedAtEachOpening()
{
    openOnRow(1, [&] { edit("captionBox2")->setText(u"種別"_qs); });
    // Until the next opening the edit stands (the settings file saves it).
    QCOMPARE(form->captionBoxTexts()[1], u"種別"_qs);
    // It is a caption for the next start only: this run's plates keep theirs.
    QCOMPARE(document->captionsForNextStart()[1], u"種別"_qs);
    QCOMPARE(document->settings().caption(2), Settings::defaults().caption(2));

    QTemporaryDir dir;
    Settings changed = Settings::defaults();
    changed.lines[3] = u"用途名"_qs;
    SettingsFile::save(dir.filePath(u"kiroku.ggs"_qs), changed);
    QVERIFY(document->loadSettings(dir.filePath(u"kiroku.ggs"_qs)));
    QString second, third;
    openOnRow(1, [&] {
        second = text("captionBox2");
        third = text("captionBox3");
    });
    QCOMPARE(second, f().caption(2));
    QCOMPARE(third, u"用途名"_qs);
}

void EntryFormTest::aRecordNumberFromAFileShowsAsWritten()
{
    const QString html = u"<h1><img src=\"x.png\" width=1200 height=1200></h1>"_qs;
    setRecord(1, html, u"盤A"_qs);
    setRecordCount(1);
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    int height = 0;
    openOnRow(1, [&] {
        const auto* number = control<QLabel>("recordNumberLabel");
        shown = number->text();
        format = number->textFormat();
        height = number->sizeHint().height();
    });
    QCOMPARE(shown, html);
    QCOMPARE(format, Qt::PlainText);
    QVERIFY2(height < 100, qPrintable(QString::number(height)));
}

void EntryFormTest::helpToggle()
{
    const auto state = [&] {
        return QStringList{text("helpButton"), control("helpPanel")->isVisible() ? u"help"_qs : u"-"_qs,
                           control("noBox")->isVisible() ? u"no"_qs : u"-"_qs,
                           control("recordNumberLabel")->isVisible() ? u"number"_qs : u"-"_qs};
    };
    QList<QStringList> states;
    openOnRow(1, [&] {
        states << state();
        click("helpButton");
        states << state();
        click("helpButton");
        states << state();
        click("helpButton");
    });
    QCOMPARE(states.value(0), (QStringList{u"HELP"_qs, u"-"_qs, u"no"_qs, u"number"_qs}));
    QCOMPARE(states.value(1), (QStringList{u"閉じる"_qs, u"help"_qs, u"-"_qs, u"-"_qs}));
    QCOMPARE(states.value(2), states.value(0));

    // The help panel stays open between openings.
    QStringList reopened;
    openOnRow(1, [&] { reopened = state(); });
    QCOMPARE(reopened, states.value(1));
}

void EntryFormTest::opensCentredOverTheMainWindow()
{
    mainWindow->setGeometry(40, 50, 700, 300);
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));

    QRect withParent, withoutParent;
    openOnRow(1, [&] { withParent = form->geometry(); });
    EntryForm* child = form;
    // The double click that opens the form comes from the active main window.
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
    EntryForm parentless(*document);
    form = &parentless;
    openOnRow(1, [&] { withoutParent = form->geometry(); });
    form = child;

    QCOMPARE(withParent.center().y(), mainWindow->geometry().center().y());
    // Horizontally both are kept on the (small) offscreen screen the same way.
    QCOMPARE(withoutParent, withParent);
}

void EntryFormTest::catalogueStaysUsableWhileTheFormIsOpen_data()
{
    QTest::addColumn<bool>("childOfMainWindow");
    QTest::newRow("own window") << false;
    QTest::newRow("window of the main window") << true;
}

void EntryFormTest::catalogueStaysUsableWhileTheFormIsOpen()
{
    QFETCH(bool, childOfMainWindow);
    // A stand-in catalogue whose button picks, as the real one's double click does.
    std::unique_ptr<QWidget> ownCatalogue;
    QWidget* catalogue = nullptr;
    if (childOfMainWindow) {
        catalogue = new QWidget(mainWindow.get(), Qt::Window);
    } else {
        ownCatalogue = std::make_unique<QWidget>();
        catalogue = ownCatalogue.get();
    }
    catalogue->resize(461, 290);
    auto* pick = new QPushButton(u"CVT 8sq"_qs, catalogue);
    pick->setGeometry(151, 6, 182, 40);
    connect(pick, &QPushButton::clicked, catalogue, [&] {
        form->cableTypeField()->setText(pick->text());
        catalogue->hide();
        form->purposeField()->setFocus();
    });
    form->setCatalogueWindow(catalogue);

    auto* mainButton = new QPushButton(u"main"_qs, mainWindow.get());
    mainButton->setGeometry(0, 0, 100, 30);
    mainButton->show();
    QSignalSpy mainClicks(mainButton, &QPushButton::clicked);

    const auto clickThroughWindowSystem = [](QWidget* widget) {
        QWindow* window = widget->window()->windowHandle();
        QTest::mouseClick(window, Qt::LeftButton, {}, widget->mapTo(widget->window(), widget->rect().center()));
    };

    for (int opening = 0; opening < 2; ++opening) {
        bool shown = false, open = false;
        QString cableType, focus;
        openOnRow(1, [&] {
            edit("cableTypeField")->setText(u"typed"_qs);
            click("catalogueButton");
            shown = catalogue->isVisible();
            QVERIFY(QTest::qWaitForWindowExposed(catalogue));
            clickThroughWindowSystem(mainButton); // the modal form blocks the main window...
            clickThroughWindowSystem(pick);       // ...but not the catalogue
            cableType = text("cableTypeField");
            focus = focused();
            open = form->isVisible();
        });
        QVERIFY(shown);
        QCOMPARE(cableType, u"CVT 8sq"_qs);
        QVERIFY(!catalogue->isVisible());
        QCOMPARE(focus, u"purposeField"_qs);
        QVERIFY(open);
        QCOMPARE(mainClicks.count(), 0);
    }
    // Once the form is closed the catalogue belongs to its own owner again.
    QCOMPARE(catalogue->windowHandle()->transientParent(),
             childOfMainWindow ? mainWindow->windowHandle() : nullptr);
}

QTEST_MAIN(EntryFormTest)
#include "EntryFormTest.moc"
