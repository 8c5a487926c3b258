// What the program says about itself: its version, and where its home page and its author's
// mail are. Whoever distributes the program sets the two addresses here; the .example
// placeholders lead nowhere.
#pragma once

#include <QString>

namespace tolvex::maker {

inline const QString kHomePage = QStringLiteral("www.tolvex.example");
inline const QString kMail = QStringLiteral("autor@tolvex.example");
// The page that describes this calculator, on the home page.
inline const QString kProgramPage =
    QStringLiteral("http://") + kHomePage + QStringLiteral("/kalkulator.html");
// From the project's version in CMakeLists.txt.
inline const QString kVersion = QStringLiteral(TOLVEX_VERSION);

}  // namespace tolvex::maker
