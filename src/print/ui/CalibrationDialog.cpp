#include "CalibrationDialog.h"

#include "print/PrinterAdjustments.h"
#include "ui/NumberBoxes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* tenthsBox(QWidget* parent, const QString& name, double low, double high, const QString& suffix)
{
    auto* box = new UiStyle::DecimalNumberBox(parent);
    box->setObjectName(name);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(low, high);
    box->setSuffix(suffix);
    return box;
}

} // namespace

CalibrationDialog::CalibrationDialog(PrinterAdjustments& adjustments, const QStringList& printerNames,
                                     std::function<void()> testPrint, QWidget* parent)
    : QDialog(parent), adjustments_(adjustments)
{
    setObjectName(QStringLiteral("CalibrationDialog"));
    setWindowTitle(QStringLiteral("位置調整"));
    printerBox = new QComboBox(this);
    printerBox->setObjectName(QStringLiteral("CalibrationPrinterBox"));
    printerBox->addItems(printerNames);
    printerBox->addItem(PrinterAdjustments::pdfPrinterName());

    const double maxOffset = PageAdjustment::kMaxOffsetMm;
    offsetXBox = tenthsBox(this, u"OffsetXBox"_qs, -maxOffset, maxOffset, u" mm"_qs);
    offsetYBox = tenthsBox(this, u"OffsetYBox"_qs, -maxOffset, maxOffset, u" mm"_qs);
    scaleXBox = tenthsBox(this, u"ScaleXBox"_qs, PageAdjustment::kMinScalePercent, PageAdjustment::kMaxScalePercent, u" %"_qs);
    scaleYBox = tenthsBox(this, u"ScaleYBox"_qs, PageAdjustment::kMinScalePercent, PageAdjustment::kMaxScalePercent, u" %"_qs);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("プリンター"), printerBox);
    form->addRow(QStringLiteral("横のずれ（右が＋）"), offsetXBox);
    form->addRow(QStringLiteral("縦のずれ（下が＋）"), offsetYBox);
    form->addRow(QStringLiteral("横の倍率"), scaleXBox);
    form->addRow(QStringLiteral("縦の倍率"), scaleYBox);

    auto* note = new QLabel(QStringLiteral("テスト印刷した用紙をラベル用紙に重ね、十字の目盛りで読んだずれを入力してください。"), this);
    note->setWordWrap(true);
    testPrintButton = new QPushButton(QStringLiteral("テスト印刷"), this);
    testPrintButton->setObjectName(QStringLiteral("TestPrintButton"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(testPrintButton);
    layout->addWidget(buttons);

    connect(printerBox, &QComboBox::currentIndexChanged, this, &CalibrationDialog::showPrinter);
    for (QDoubleSpinBox* box : {offsetXBox, offsetYBox, scaleXBox, scaleYBox})
        connect(box, &QDoubleSpinBox::valueChanged, this, &CalibrationDialog::store);
    connect(testPrintButton, &QPushButton::clicked, this, [testPrint = std::move(testPrint)] {
        if (testPrint)
            testPrint();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showPrinter();
}

PageAdjustment CalibrationDialog::shown() const
{
    return {offsetXBox->value(), offsetYBox->value(), scaleXBox->value(), scaleYBox->value()};
}

void CalibrationDialog::showPrinter()
{
    const PageAdjustment adjustment = adjustments_.of(printerBox->currentText());
    loading_ = true;
    offsetXBox->setValue(adjustment.offsetXMm);
    offsetYBox->setValue(adjustment.offsetYMm);
    scaleXBox->setValue(adjustment.scaleXPercent);
    scaleYBox->setValue(adjustment.scaleYPercent);
    loading_ = false;
}

void CalibrationDialog::store()
{
    if (!loading_)
        adjustments_.store(printerBox->currentText(), shown());
}
