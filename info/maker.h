// The maker's addresses shown on the information window and page.
#pragma once

#include <QString>

namespace tolvex::maker {

inline const QString kHomePage = QStringLiteral("www.tolvex.example");
inline const QString kProgramPage = QStringLiteral("http://www.tolvex.example/kalkulator.html");
inline const QString kMail = QStringLiteral("autor@tolvex.example");
inline const QString kName = QStringLiteral("TOLVEX Oprogramowanie");
inline const QString kAddress = QStringLiteral("ul. Przykładowa 1, 00-001 Warszawa");
inline const QString kPhone = QStringLiteral("tel. (22) 000 00 00");

}  // namespace tolvex::maker
