#pragma once

#include <QString>
#include <array>

// The company name and the six label captions kept between runs in kiroku.ggs.
struct Settings {
    static constexpr int kLineCount = 7;
    // 0: company name (f0); 1..6: label captions (f1..f6).
    std::array<QString, kLineCount> lines;

    static Settings defaults();
    QString companyName() const { return lines[0]; }
    QString caption(int n) const { return lines[static_cast<size_t>(n)]; } // n = 1..6
};

namespace SettingsFile {

inline constexpr auto kFileName = "kiroku.ggs";

// Takes the lines present in order over settings and stops at the first missing
// one. Returns false when the file is missing, unreadable or far larger than
// any settings file (nothing taken).
bool load(const QString& path, Settings& settings);
void loadFromBytes(const QByteArray& bytes, Settings& settings);
QByteArray serialize(const Settings& settings);
// Throws Failure ファイル "%s" を作成できません。%s when it cannot be written.
void save(const QString& path, const Settings& settings);

// kiroku.ggs in the executable's folder, or in the user's configuration folder
// when the executable's folder cannot be written or the program is installed
// (an existing, writable kiroku.ggs beside the executable still wins).
QString pathFor(const QString& executableFolder);

} // namespace SettingsFile
