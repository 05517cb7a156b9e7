#pragma once

#include <array>

// The three notes the entry sheet template prints in C8:C10 (before the
// full-width blanks that pad them), so that a filled-in entry sheet read back
// leaves them out of its records.
namespace EntrySheetNotes {

inline constexpr std::array<const char16_t*, 3> kTexts = {
    u"※注1【エクセルで入力したい方の為に作成した帳票となります、ご利用ください】",
    u"※注2【書き込んだデーターは範囲選択でコピーしてクリップボード経由で、タグリオへ貼付する事が出来ます】",
    u"※注3【範囲選択は行全体で選択するか、若しくはA列～K列の範囲を選択してからコピーしてください。】",
};

} // namespace EntrySheetNotes
