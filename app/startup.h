// The start-up sequence, with today's date injected.
#pragma once

#include <QDate>

namespace tolvex {

class TKalkulator_Finansowy;

// Writes every page's start values for `today`, then shows the information window
// modally (through the window's modal runner). The caller shows the main window.
void StartUp(TKalkulator_Finansowy& window, const QDate& today);

}  // namespace tolvex
