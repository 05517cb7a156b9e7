#pragma once

class QCoreApplication;

// Qt's own standard texts (はい/いいえ, 保存/破棄/キャンセル, the file and
// print dialogs) in Japanese, whatever the machine's locale: the program
// speaks only Japanese, and a dialog that switches to English mid-task
// confuses its users. Returns false when the translation file is missing.
bool installJapaneseTranslation(QCoreApplication& app);
