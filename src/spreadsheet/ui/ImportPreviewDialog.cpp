#include "ImportPreviewDialog.h"

#include "spreadsheet/CellAddress.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Enough rows for the heading (which may stand below a title) and the
// records shown.
constexpr size_t kRowsKept = 40;

QString separatorName(const std::optional<CsvTable::TextFormat>& format)
{
    if (!format)
        return QStringLiteral("なし（ブック）");
    const QChar separator = format->separator;
    if (separator == u',')
        return QStringLiteral("カンマ");
    if (separator == u';')
        return QStringLiteral("セミコロン");
    if (separator == u'\t')
        return QStringLiteral("タブ");
    return separator;
}

QString headingText(const std::optional<size_t>& row)
{
    return row ? QStringLiteral("%1 行目").arg(*row + 1) : QStringLiteral("なし（A 列から K 列の順）");
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(const ImportedTable& table, const std::optional<CsvTable::TextFormat>& format,
                                         QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("取り込みの確認"));
    layout_ = table.layout.value_or(TableRows::detectLayout(table.rows));
    table_.rows.assign(table.rows.begin(), table.rows.begin() + static_cast<qsizetype>(std::min(table.rows.size(), kRowsKept)));

    auto* facts = new QFormLayout;
    facts->addRow(QStringLiteral("見出しの行:"), new QLabel(headingText(layout_.headingRow), this));
    facts->addRow(QStringLiteral("区切り:"), new QLabel(separatorName(format), this));
    facts->addRow(QStringLiteral("文字コード:"),
                  new QLabel(format ? format->encoding : QStringLiteral("なし（ブック）"), this));

    // One choice per table column: which record column it fills.
    auto* choices = new QGridLayout;
    for (int c = 0; c < kColumnCount; ++c) {
        auto* box = new QComboBox(this);
        for (const QString& name : RecordSheet::headerTexts())
            box->addItem(name);
        box->addItem(QStringLiteral("取り込まない"));
        const int target = layout_.recordColumnOf[static_cast<size_t>(c)];
        box->setCurrentIndex(target == TableLayout::kSkip ? kColumnCount : target);
        connect(box, &QComboBox::currentIndexChanged, this, [this, c](int index) {
            layout_.recordColumnOf[static_cast<size_t>(c)] = index == kColumnCount ? TableLayout::kSkip : index;
            showRecords();
        });
        choices_[static_cast<size_t>(c)] = box;
        choices->addWidget(new QLabel(QStringLiteral("%1 列").arg(columnLetters(c + 1)), this), c / 4 * 2, c % 4);
        choices->addWidget(box, c / 4 * 2 + 1, c % 4);
    }

    records_ = new QTableWidget(this);
    records_->setColumnCount(kColumnCount);
    QStringList heads;
    for (const QString& name : RecordSheet::headerTexts())
        heads << name;
    records_->setHorizontalHeaderLabels(heads);
    records_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    records_->verticalHeader()->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(facts);
    column->addLayout(choices);
    column->addWidget(records_, 1);
    column->addWidget(buttons);
    showRecords();
}

void ImportPreviewDialog::showRecords()
{
    const TableRows::Records taken = TableRows::take(table_, layout_);
    const int shown = static_cast<int>(std::min<size_t>(taken.rows.size(), kShownRecords));
    records_->clearContents();
    records_->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        for (int c = 0; c < kColumnCount; ++c)
            records_->setItem(r, c, new QTableWidgetItem(taken.rows[static_cast<size_t>(r)][static_cast<size_t>(c)]));
    }
}
