#pragma once

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

// Readable QString values in assertion messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
