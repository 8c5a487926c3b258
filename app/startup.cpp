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
    w.TabSheet1->StartUp(today);  // tax year, cost type and the payroll result fields
    w.TabSheet3->StartUp(today);  // bank interest
    w.TabSheet4->StartUp(today);  // tax and statutory interest
    w.TabSheet5->StartUp(today);  // rate settings: locked
    w.TabSheet8->StartUp(today);  // loan dates and mode
    w.TabSheet9->StartUp(today);  // ZUS pension inputs
    w.TabelaWynagrodzen->LabelSredniWskaznik->setText(QStringLiteral("100"));
    w.Context().execModal(*w.InformacjaForm);
    w.TabSheet1->SetAwardFlag(true);
}

}  // namespace tolvex
