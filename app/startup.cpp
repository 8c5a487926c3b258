#include "app/startup.h"

#include <QApplication>

#include "app/main_window.h"
#include "info/informacja_dialog.h"
#include "info/informacja_page.h"
#include "interest/odsetki_podatkowe_page.h"
#include "interest/odsetki_przelicznik_page.h"
#include "loans/raty_kredyt_page.h"
#include "payroll/dane_poczatkowe_page.h"
#include "payroll/place_page.h"
#include "payroll/skladki_zus_page.h"
#include "pensions/emeryt_zus_page.h"

namespace tolvex {

void StartUp(TKalkulator_Finansowy& w, const QDate& today) {
    QApplication::setApplicationName(QStringLiteral("tolvex"));
    // The decimal separator is fixed to "," by the amount texts; nothing depends on the locale.
    // Payroll: tax year, cost type and result fields; then bank interest, tax and statutory
    // interest, the locked rate settings, loan dates and mode, ZUS pension inputs, each page
    // when it is built.
    w.StartPages(today);
    w.Context().execModal(*w.InformacjaForm);
    w.TabSheet1->SetAwardFlag(true);
}

}  // namespace tolvex
