// The core speaks UTF-8 std::string; Qt speaks QString.
#pragma once

#include <QDate>
#include <QString>
#include <string>
#include <string_view>

#include "core/date/date_text.h"

namespace tolvex {

inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

inline Date ToDate(const QDate& d) {
    return MakeDate(d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
}
// A date as the date fields show it.
inline QString DateText(const QDate& d) {
    return Q(FormatDate(ToDate(d)));
}

}  // namespace tolvex
