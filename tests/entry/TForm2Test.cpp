#include "entry/TForm2.h"

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
    add("Panel1", L::kBackgroundPanel);
    add("Panel2", L::kTopBar);
    add("Panel3", L::kHelpPanel);
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
    add("Image1", L::kSmallPicture);
    // The help panel's contents are placed relative to the panel.
    const QPoint helpOrigin = L::kHelpPanel.topLeft();
    add("Image2", L::kHelpPicture.translated(helpOrigin));
    add("Image3", L::kHelpSmallPicture.translated(helpOrigin));
    label(L::kHelpLabel, helpOrigin);
    return placements;
}

} // namespace

// The entry form driven through its object names, on the offscreen platform.
class TForm2Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordDocument> document;
    std::unique_ptr<QWidget> mainWindow;
    TForm2* form = nullptr; // owned by mainWindow
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
        document->editSheet([&](RecordSheet& sheet) { sheet.editRow(row) = Record{number, from1}; });
    }
    void setRecordCount(int count)
    {
        document->editSheet([count](RecordSheet& sheet) { sheet.recordCount = count; });
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
        form = new TForm2(*document, mainWindow.get());
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
    void closeBoxWritesNothing();
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
    void opensCentredOverTheMainWindow();
    void catalogueStaysUsableWhileTheFormIsOpen_data();
    void catalogueStaysUsableWhileTheFormIsOpen();
};

void TForm2Test::layout_data()
{
    QTest::addColumn<QRect>("rect"); // in form client coordinates; empty size: only the position is stated
    QTest::addColumn<QString>("text");
    for (const Placement& item : formPlacements())
        QTest::newRow(item.name) << item.rect << item.text;
}

void TForm2Test::layout()
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

void TForm2Test::layoutInvariants()
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
    QCOMPARE(LayoutInvariants::overlappingSiblings(form, {u"Shape1"_qs, u"Shape2"_qs},
                                                   {{u"Edit17"_qs, u"Button3"_qs}}),
             QStringList());
}

void TForm2Test::looks()
{
    QCOMPARE(form->windowTitle(), u"データー入力フォーム"_qs);
    QCOMPARE(form->size(), QSize(892, 342));
    QVERIFY(form->isModal() || !form->isVisible());

    const auto colour = [&](const char* name, QPalette::ColorRole role) {
        return control(name)->palette().color(role);
    };
    QCOMPARE(colour("Panel1", QPalette::Window), QColor(207, 205, 173));
    QCOMPARE(colour("Panel2", QPalette::Window), QColor(242, 244, 159));
    QCOMPARE(colour("Panel3", QPalette::Window), QColor(0, 64, 64));
    QCOMPARE(colour("Shape1", QPalette::Window), QColor(0, 128, 128));
    QCOMPARE(colour("Shape2", QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(colour("Edit14", QPalette::Base), QColor(0, 128, 0));
    QCOMPARE(colour("Edit14", QPalette::Text), QColor(Qt::white));
    QCOMPARE(colour("Edit3", QPalette::Base), QColor(0, 0, 160));
    QCOMPARE(colour("Edit3", QPalette::Text), QColor(Qt::white));
    QCOMPARE(colour("Label2", QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(colour("Label10", QPalette::WindowText), QColor(255, 251, 240));
    QCOMPARE(edit("Edit14")->alignment(), Qt::AlignCenter);
    QCOMPARE(edit("Edit1")->alignment(), Qt::AlignCenter);
    QVERIFY(!control("Panel3")->isVisible());

    struct Face {
        const char* name;
        int pixelSize;
        bool bold;
    };
    for (const Face& face : {Face{"Edit14", 13, false}, Face{"Label2", 16, true}, Face{"Edit1", 16, false},
                             Face{"Edit7", 16, false}, Face{"Edit13", 16, false}, Face{"Label6", 19, true},
                             Face{"Label9", 16, false}, Face{"Button16", 11, false}, Face{"Button13", 11, false},
                             Face{"Button14", 16, true}, Face{"Button9", 27, true}, Face{"Label10", 19, false}}) {
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
    QVERIFY(edit("Edit9")->inputMethodHints() & Qt::ImhLatinOnly);
    for (const char* name : {"Edit1", "Edit6", "Edit7", "Edit16", "Edit15", "Edit10", "Edit13"})
        QCOMPARE(edit(name)->inputMethodHints(), Qt::ImhNone);

    // The pictures are drawn, not left blank.
    for (const char* name : {"Image1", "Image2", "Image3"}) {
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

void TForm2Test::tabOrder()
{
    const QStringList expected = {
        u"Edit1"_qs,    u"Edit2"_qs,    u"Edit3"_qs,    u"Edit4"_qs,    u"Edit5"_qs,    u"Edit6"_qs,
        u"Edit7"_qs,    u"Edit8"_qs,    u"Edit9"_qs,    u"Edit10"_qs,   u"Edit11"_qs,   u"Edit12"_qs,
        u"Edit13"_qs,   u"Button1"_qs,  u"Button2"_qs,  u"Button3"_qs,  u"Button4"_qs,  u"Button5"_qs,
        u"Button6"_qs,  u"Button7"_qs,  u"Button8"_qs,  u"Button9"_qs,  u"Button10"_qs, u"Button11"_qs,
        u"Edit15"_qs,   u"Edit16"_qs,   u"Edit17"_qs,   u"Button12"_qs, u"Button13"_qs, u"Edit14"_qs,
        u"Button14"_qs, u"Button16"_qs, u"Button17"_qs, u"Button15"_qs, u"Edit1"_qs,
    };
    QStringList visited;
    openOnRow(1, [&] {
        edit("Edit1")->setFocus();
        visited << focused();
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
            visited << focused();
        }
    });
    QCOMPARE(visited, expected);
}

void TForm2Test::captionBoxesHoldTheStoredCaptionsFromCreation()
{
    // Closing the program saves these boxes, even if the form was never shown.
    std::array<QString, 6> expected;
    for (int n = 1; n <= 6; ++n)
        expected[size_t(n - 1)] = f().caption(n);
    QVERIFY(form->captionBoxTexts() == expected);
    QCOMPARE(form->noBoxText(), u"No."_qs);
    for (const char* name : {"Edit7", "Edit16", "Edit8", "Edit17", "Edit15", "Edit9", "Edit10", "Edit11", "Edit12",
                             "Edit13"})
        QVERIFY(edit(name)->text().isEmpty());
}

void TForm2Test::openingOnAnEmptyRowProposesTheNextRecordWithDefaults()
{
    setRecordCount(5);
    QString number, date, constructor, year, from1, focus;
    openOnRow(40, [&] {
        number = text("Label2");
        date = text("Edit11");
        constructor = text("Edit12");
        year = text("Edit13");
        from1 = text("Edit7");
        focus = focused();
    });
    QCOMPARE(number, u"6"_qs);
    QCOMPARE(date, u"令和5年4月1日"_qs);
    QCOMPARE(constructor, company);
    QCOMPARE(year, u"令和5年"_qs);
    QCOMPARE(from1, QString());
    QCOMPARE(focus, u"Edit7"_qs);
}

void TForm2Test::registerWritesTheRecordsOwnRowAndCloses()
{
    for (int r = 1; r <= 5; ++r)
        setRecord(r, QString::number(r), u"盤%1"_qs.arg(r));
    setRecordCount(5);
    QSignalSpy registered(form, &TForm2::recordRegistered);

    bool stillOpenAfterRegister = true;
    const int result = openOnRow(40, [&] {
        QTest::keyClicks(edit("Edit7"), u"MCC-1"_qs);
        edit("Edit10")->setText(u"動力幹線"_qs);
        click("Button9");
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
        edit("Edit10")->setText(u"電灯幹線"_qs);
        click("Button9");
    });
    QCOMPARE(sheet().cell(ColPurpose, 3), u"電灯幹線"_qs);
    QCOMPARE(sheet().cell(ColFrom1, 3), u"盤3"_qs);
    QCOMPARE(sheet().recordCount, 6);
    QCOMPARE(registered.count(), 2);
    QVERIFY(messages.isEmpty());
}

void TForm2Test::registerWithoutARecordClosesAndWritesNothing()
{
    const RecordSheet before = sheet();
    QSignalSpy registered(form, &TForm2::recordRegistered);
    bool stillOpen = true;
    openOnRow(1, [&] {
        for (const char* name : {"Edit11", "Edit12", "Edit13"})
            edit(name)->clear();
        edit("Edit16")->setText(u"LP-1"_qs);
        edit("Edit15")->setText(u"3"_qs);
        click("Button9");
        stillOpen = form->isVisible();
    });
    QVERIFY(!stillOpen);
    QVERIFY(sheet() == before);
    QCOMPARE(registered.count(), 0);
}

void TForm2Test::registerOnTheHeaderRowFailsAndKeepsTheFormOpen()
{
    const RecordSheet before = sheet();
    bool stillOpen = false;
    QString focusAfterFailure, purposeAfterRepeat;
    const int result = openOnRow(0, [&] {
        QCOMPARE(text("Label2"), u"No."_qs);
        edit("Edit11")->setFocus();
        click("Button9");
        stillOpen = form->isVisible();
        focusAfterFailure = focused();
        // The store took the form's texts before the number was read.
        edit("Edit10")->clear();
        click("Button5");
        purposeAfterRepeat = text("Edit10");
    });
    QCOMPARE(messages, QStringList{u"'No.' は整数ではありません"_qs});
    QVERIFY(stillOpen);
    QCOMPARE(focusAfterFailure, u"Edit7"_qs);
    QCOMPARE(purposeAfterRepeat, u"用途"_qs);
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(sheet() == before);
}

void TForm2Test::closeBoxWritesNothing()
{
    const RecordSheet before = sheet();
    const int result = openOnRow(1, [&] { edit("Edit7")->setText(u"電気室"_qs); });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(sheet() == before);
    // Nor does it touch the store: repeat-all still has nothing to bring back.
    QString from1 = u"?"_qs;
    openOnRow(1, [&] {
        click("Button14");
        from1 = text("Edit7");
    });
    QCOMPARE(from1, QString());
}

void TForm2Test::repeatButtons()
{
    const char* const fields[] = {"Edit7", "Edit16", "Edit8", "Edit17", "Edit15",
                                  "Edit9", "Edit10", "Edit11", "Edit12", "Edit13"};

    // Before any register the store is empty: repeat-all empties every field.
    QStringList afterRepeatAll;
    openOnRow(1, [&] {
        for (const char* name : fields)
            edit(name)->setText(u"x"_qs);
        click("Button14");
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
        click("Button9");
    });

    // Each button brings back its own fields and leaves the others and the focus.
    const QList<QPair<const char*, QStringList>> buttons = {
        {"Button2", {u"Edit7"_qs, u"Edit16"_qs}},   {"Button3", {u"Edit8"_qs, u"Edit17"_qs}},
        {"Button4", {u"Edit15"_qs, u"Edit9"_qs}},   {"Button5", {u"Edit10"_qs}},
        {"Button6", {u"Edit11"_qs}},                {"Button7", {u"Edit12"_qs}},
        {"Button8", {u"Edit13"_qs}},
    };
    for (const auto& [button, restored] : buttons) {
        QStringList after;
        QString focus;
        openOnRow(2, [&] {
            for (const char* name : fields)
                edit(name)->setText(u"new"_qs);
            edit("Edit12")->setFocus();
            control<QPushButton>(button)->click(); // the handler, without the focus a mouse press gives

            focus = focused();
            for (const char* name : fields)
                after << text(name);
        });
        for (int i = 0; i < 10; ++i) {
            const bool isRestored = restored.contains(QLatin1String(fields[i]));
            QCOMPARE(after[i], isRestored ? registeredTexts[i] : u"new"_qs);
        }
        QCOMPARE(focus, u"Edit12"_qs);
    }

    QStringList afterRepeatAllAgain;
    openOnRow(2, [&] {
        click("Button14");
        for (const char* name : fields)
            afterRepeatAllAgain << text(name);
    });
    QCOMPARE(afterRepeatAllAgain, registeredTexts);
}

void TForm2Test::quickFill_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("focusTo");
    QTest::newRow("Button16") << u"Edit7"_qs << u"キュービクル"_qs << u"Edit16"_qs;
    QTest::newRow("Button17") << u"Edit7"_qs << u"電気室"_qs << u"Edit16"_qs;
    QTest::newRow("Button10") << u"Edit8"_qs << u"電灯分電盤 "_qs << u"Edit17"_qs;
    QTest::newRow("Button11") << u"Edit8"_qs << u"動力分電盤 "_qs << u"Edit17"_qs;
    QTest::newRow("Button12") << u"Edit10"_qs << u"電灯幹線"_qs << u"Edit11"_qs;
    QTest::newRow("Button13") << u"Edit10"_qs << u"動力幹線"_qs << u"Edit11"_qs;
}

void TForm2Test::quickFill()
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

void TForm2Test::enterWalksTheFieldsAndEndsOnRegister()
{
    const QStringList chain = {u"Edit7"_qs,  u"Edit16"_qs, u"Edit8"_qs,  u"Edit17"_qs, u"Edit15"_qs,
                               u"Edit9"_qs,  u"Edit10"_qs, u"Edit11"_qs, u"Edit12"_qs, u"Edit13"_qs,
                               u"Button9"_qs};
    const RecordSheet before = sheet();
    QSignalSpy registered(form, &TForm2::recordRegistered);
    QStringList reached, textsAfter;
    bool caretsAtEnd = true;
    bool openAtEnd = false;
    QStyle::State registerState;
    openOnRow(1, [&] {
        for (int i = 0; i + 1 < chain.size(); ++i)
            edit(qPrintable(chain[i]))->setText(u"値%1"_qs.arg(i));
        edit("Edit7")->setFocus();
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
        option.initFrom(control("Button9"));
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
        edit("Edit7")->setText(u"電気室"_qs);
        pressEnterIn("Edit13");
        QTest::keyClick(form->focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(registered.count(), 1);
    QCOMPARE(sheet().cell(ColFrom1, 1), u"電気室"_qs);
}

void TForm2Test::enterInOtherBoxesNeverRegistersOrCloses()
{
    const RecordSheet before = sheet();
    QStringList pressed;
    for (QPushButton* button : form->findChildren<QPushButton*>())
        connect(button, &QPushButton::clicked, form, [&pressed, button] { pressed << button->objectName(); });
    QStringList stillOpenAfter;
    openOnRow(1, [&] {
        edit("Edit7")->setText(u"電気室"_qs);
        // Visits that would leave a button as the dialog's default.
        control("Button9")->setFocus();
        control("Button14")->setFocus();
        for (const char* name : {"Edit1", "Edit6", "Edit14"}) {
            pressEnterIn(name);
            if (form->isVisible())
                stillOpenAfter << QLatin1String(name);
        }
        QTest::keyClick(edit("Edit7"), Qt::Key_Escape);
        if (form->isVisible())
            stillOpenAfter << u"Escape"_qs;
    });
    QCOMPARE(stillOpenAfter, (QStringList{u"Edit1"_qs, u"Edit6"_qs, u"Edit14"_qs, u"Escape"_qs}));
    QCOMPARE(pressed, QStringList());
    QVERIFY(sheet() == before);
}

void TForm2Test::textsLongerThanQtsDefaultLimitAreKeptWhole()
{
    const QString longText = QString(40000, u'線');
    setRecordCount(1);
    document->editSheet([&](RecordSheet& sheet) {
        sheet.editRow(1) = Record{u"1"_qs};
        for (Column column : kDataColumns)
            sheet.editRow(1)[column] = longText;
    });
    const RecordSheet before = sheet();
    QList<qsizetype> boxSizes;
    openOnRow(1, [&] {
        for (const char* name : {"Edit1", "Edit6", "Edit14"}) {
            edit(name)->setText(longText);
            boxSizes << text(name).size();
        }
        click("Button9");
    });
    QVERIFY(sheet() == before);
    QCOMPARE(boxSizes, (QList<qsizetype>{40000, 40000, 40000}));
}

void TForm2Test::filledFieldsShowTheStartOfTheirText()
{
    const QString longName = u"タグリオ電設株式会社　本社工事部　第二課"_qs;
    setRecord(1, u"1"_qs, longName);
    setRecordCount(1);
    // Filled on opening, by a repeat button and by a quick fill.
    QList<int> cursors;
    QString repeated;
    openOnRow(1, [&] {
        cursors << edit("Edit7")->cursorPosition();
        click("Button9");
    });
    openOnRow(2, [&] {
        click("Button14");
        cursors << edit("Edit7")->cursorPosition();
        repeated = text("Edit7");
        click("Button16"); // キュービクル into Edit7
        cursors << edit("Edit7")->cursorPosition();
    });
    QCOMPARE(cursors, (QList<int>{0, 0, 0}));
    QCOMPARE(repeated, longName);
}

void TForm2Test::cableTypeBoxTakesNoInputMethod()
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
        cableType = inputMethodEnabled(edit("Edit9"));
        purpose = inputMethodEnabled(edit("Edit10"));
    });
    QVERIFY(!cableType);
    QVERIFY(purpose);
}

void TForm2Test::doubleClickEmptiesADataFieldOrTheNoBox()
{
    QString year, noBox, caption, other;
    openOnRow(1, [&] {
        QTest::mouseDClick(edit("Edit13"), Qt::LeftButton);
        QTest::mouseDClick(edit("Edit14"), Qt::LeftButton);
        QTest::mouseDClick(edit("Edit1"), Qt::LeftButton);
        year = text("Edit13");
        noBox = text("Edit14");
        caption = text("Edit1");
        other = text("Edit11");
    });
    QCOMPARE(year, QString());
    QCOMPARE(noBox, QString());
    QCOMPARE(form->noBoxText(), QString()); // nothing brings "No." back during the run
    QCOMPARE(caption, f().caption(1));
    QCOMPARE(other, u"令和5年4月1日"_qs);
}

void TForm2Test::captionBoxesAreReloadedAtEachOpening()
{
    openOnRow(1, [&] { edit("Edit2")->setText(u"種別"_qs); });
    // Until the next opening the edit stands (the settings file saves it).
    QCOMPARE(form->captionBoxTexts()[1], u"種別"_qs);

    QTemporaryDir dir;
    Settings changed = Settings::defaults();
    changed.lines[3] = u"用途名"_qs;
    SettingsFile::save(dir.filePath(u"kiroku.ggs"_qs), changed);
    QVERIFY(document->loadSettings(dir.filePath(u"kiroku.ggs"_qs)));
    QString second, third;
    openOnRow(1, [&] {
        second = text("Edit2");
        third = text("Edit3");
    });
    QCOMPARE(second, f().caption(2));
    QCOMPARE(third, u"用途名"_qs);
}

void TForm2Test::helpToggle()
{
    const auto state = [&] {
        return QStringList{text("Button15"), control("Panel3")->isVisible() ? u"help"_qs : u"-"_qs,
                           control("Edit14")->isVisible() ? u"no"_qs : u"-"_qs,
                           control("Label2")->isVisible() ? u"number"_qs : u"-"_qs};
    };
    QList<QStringList> states;
    openOnRow(1, [&] {
        states << state();
        click("Button15");
        states << state();
        click("Button15");
        states << state();
        click("Button15");
    });
    QCOMPARE(states.value(0), (QStringList{u"HELP"_qs, u"-"_qs, u"no"_qs, u"number"_qs}));
    QCOMPARE(states.value(1), (QStringList{u"閉じる"_qs, u"help"_qs, u"-"_qs, u"-"_qs}));
    QCOMPARE(states.value(2), states.value(0));

    // The help panel stays open between openings.
    QStringList reopened;
    openOnRow(1, [&] { reopened = state(); });
    QCOMPARE(reopened, states.value(1));
}

void TForm2Test::opensCentredOverTheMainWindow()
{
    mainWindow->setGeometry(40, 50, 700, 300);
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));

    QRect withParent, withoutParent;
    openOnRow(1, [&] { withParent = form->geometry(); });
    TForm2* child = form;
    // The double click that opens the form comes from the active main window.
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
    TForm2 parentless(*document);
    form = &parentless;
    openOnRow(1, [&] { withoutParent = form->geometry(); });
    form = child;

    QCOMPARE(withParent.center().y(), mainWindow->geometry().center().y());
    // Horizontally both are kept on the (small) offscreen screen the same way.
    QCOMPARE(withoutParent, withParent);
}

void TForm2Test::catalogueStaysUsableWhileTheFormIsOpen_data()
{
    QTest::addColumn<bool>("childOfMainWindow");
    QTest::newRow("own window") << false;
    QTest::newRow("window of the main window") << true;
}

void TForm2Test::catalogueStaysUsableWhileTheFormIsOpen()
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
            edit("Edit9")->setText(u"typed"_qs);
            click("Button1");
            shown = catalogue->isVisible();
            QVERIFY(QTest::qWaitForWindowExposed(catalogue));
            clickThroughWindowSystem(mainButton); // the modal form blocks the main window...
            clickThroughWindowSystem(pick);       // ...but not the catalogue
            cableType = text("Edit9");
            focus = focused();
            open = form->isVisible();
        });
        QVERIFY(shown);
        QCOMPARE(cableType, u"CVT 8sq"_qs);
        QVERIFY(!catalogue->isVisible());
        QCOMPARE(focus, u"Edit10"_qs);
        QVERIFY(open);
        QCOMPARE(mainClicks.count(), 0);
    }
    // Once the form is closed the catalogue belongs to its own owner again.
    QCOMPARE(catalogue->windowHandle()->transientParent(),
             childOfMainWindow ? mainWindow->windowHandle() : nullptr);
}

QTEST_MAIN(TForm2Test)
#include "TForm2Test.moc"
