// The core speaks UTF-8 std::string; Qt speaks QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tolvex {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }

}  // namespace tolvex
