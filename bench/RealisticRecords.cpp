#include "RealisticRecords.h"

#include <array>

namespace {

// Words of real installations, combined by a fixed pattern so that every
// record differs and the texts have realistic lengths and character mixes.
const std::array kPlaces = {u"キュービクル", u"電気室", u"屋上", u"1F 電灯分電盤", u"EPS-3F", u"機械室", u"受電盤",
                            u"B1F ポンプ室", u"中央監視室", u"厨房", u"駐車場", u"発電機室"};
const std::array kPanels = {u"L-1", u"P-2", u"LV-3", u"AC-4", u"動力盤5", u"MCC-6", u"盤7", u"HV-8"};
const std::array kTargets = {u"電灯分電盤 ", u"動力分電盤 ", u"空調室外機", u"エレベーター", u"給水ポンプ", u"非常照明",
                             u"情報盤", u"防災盤"};
const std::array kCables = {u"CV 14sq-3C", u"CVT 60sq", u"VVF 2.0-3C", u"FP  2sq-4C", u"CV 5.5sq-2C", u"6600V CVT 38sq",
                            u"AE 0.9-10P", u"EM-CE 8sq-3C"};
const std::array kPurposes = {u"電灯幹線", u"動力幹線", u"照明", u"空調", u"非常用", u"弱電", u"コンセント"};
const std::array kDates = {u"令和8年4月1日", u"令和7年12月20日", u"令和6年6月15日", u"平成31年3月31日"};
const std::array kCompanies = {u"タグリオ電設株式会社", u"〇〇〇〇株式会社", u"㈱北斗電工", u"髙橋電気工事"};
const std::array kYears = {u"令和8年", u"令和7年", u"令和5年", u"平成30年"};

template <typename Words>
QString pick(const Words& words, int i)
{
    return QString::fromUtf16(words[static_cast<size_t>(i) % words.size()]);
}

Record realisticRecord(int n)
{
    return Record{
        QString::number(n),
        pick(kPlaces, n),
        pick(kPanels, n / 3),
        pick(kTargets, n / 2),
        pick(kPanels, n + 5) + u'-' + QString::number(n % 40),
        u"回路"_qs + QString::number(n % 97),
        pick(kCables, n / 5),
        pick(kPurposes, n / 7),
        pick(kDates, n / 11),
        pick(kCompanies, n / 13),
        pick(kYears, n / 17),
    };
}

} // namespace

RecordSheet realisticSheet(int records, int rowCount)
{
    RecordSheet sheet;
    sheet.setRowCount(rowCount);
    for (int n = 1; n <= records && n < rowCount; ++n)
        sheet.editRow(n) = realisticRecord(n);
    sheet.recordCount = records;
    return sheet;
}

QString realisticClipboard(int records)
{
    QString text;
    for (int n = records; n >= 1; --n) {
        const Record record = realisticRecord(n);
        for (size_t c = 0; c < record.size(); ++c) {
            if (c > 0)
                text += u'\t';
            text += record[c];
        }
        text += u"\r\n"_qs;
    }
    return text;
}
