// The label-stock panel's and the calibration dialog's number boxes, typed
// into as the input method types: full-width digits and signs are read, not
// dropped.
#include "print/PrinterAdjustments.h"
#include "print/ui/CalibrationDialog.h"
#include "print/ui/LabelStockPanel.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

enum class Typing { Keys, InputMethodCommit };

// Types `text` into the focused box the way the window system delivers it:
// each character as a key, or the whole text as an input method's commit.
void typeInto(QAbstractSpinBox* box, const QString& text, Typing typing)
{
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    box->selectAll();
    QObject* target = QGuiApplication::focusObject();
    if (typing == Typing::InputMethodCommit) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(target, &commit);
        return;
    }
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

} // namespace

Q_DECLARE_METATYPE(Typing)

class NumberBoxTypingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullWidthTypingIsRead_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Typing>("typing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("開始位置, keys") << u"StartPositionBox"_qs << Typing::Keys << u"５"_qs << 5.0 << u"5"_qs;
        QTest::newRow("開始位置, input method") << u"StartPositionBox"_qs << Typing::InputMethodCommit << u"１２"_qs << 12.0 << u"12"_qs;
        QTest::newRow("部数, keys") << u"CopiesBox"_qs << Typing::Keys << u"３"_qs << 3.0 << u"3"_qs;
        QTest::newRow("offset, full-width minus") << u"OffsetXBox"_qs << Typing::Keys << u"－１．５"_qs << -1.5 << u"-1.5 mm"_qs;
        QTest::newRow("offset, kana-mode minus") << u"OffsetXBox"_qs << Typing::InputMethodCommit << u"ー２．５"_qs << -2.5 << u"-2.5 mm"_qs;
        QTest::newRow("offset, minus sign") << u"OffsetYBox"_qs << Typing::Keys << u"−０．５"_qs << -0.5 << u"-0.5 mm"_qs;
        QTest::newRow("scale, half-width as ever") << u"ScaleXBox"_qs << Typing::Keys << u"101.5"_qs << 101.5 << u"101.5 %"_qs;
    }

    void fullWidthTypingIsRead()
    {
        QFETCH(QString, box);
        QFETCH(Typing, typing);
        QFETCH(QString, typed);
        QTemporaryDir dir;
        PrinterAdjustments adjustments(dir.filePath(u"printers.ini"_qs));
        QWidget window;
        auto* panel = new LabelStockPanel(&window);
        panel->move(0, 0);
        auto* dialog = new CalibrationDialog(adjustments, {}, {}, &window);
        dialog->setWindowFlags(Qt::Widget); // inside the window, so one window has the keyboard
        dialog->move(0, 130);
        window.resize(600, 400);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        auto* target = window.findChild<QAbstractSpinBox*>(box);
        QVERIFY(target);
        typeInto(target, typed, typing);
        const double value = qobject_cast<QSpinBox*>(target) ? qobject_cast<QSpinBox*>(target)->value()
                                                             : qobject_cast<QDoubleSpinBox*>(target)->value();
        QTEST(value, "value");
        QTEST(target->text(), "shown");
    }
};

QTEST_MAIN(NumberBoxTypingTest)
#include "NumberBoxTypingTest.moc"
