#include "app/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace tolvex {

QString HelpTopic(int contextNumber) {
    switch (contextNumber) {
        case 1:
            return QStringLiteral(
                "<h2>Płace</h2><p>Wybierz rok podatkowy i rodzaj kosztów uzyskania przychodu – program "
                "wpisze "
                "koszty, ulgę i skalę podatkową dla tego roku. Każdą z tych wartości można zmienić "
                "ręcznie.</p>"
                "<p>Wpisz płacę brutto i naciśnij <b>Wylicz płacę</b>. Program wyliczy składki ZUS, składkę "
                "zdrowotną, zaliczkę podatku i wypłatę netto, a szczegóły składek pokaże w zakładce "
                "<i>Skł. ZUS</i>. Dla niepełnego etatu wybierz wielkość etatu.</p>"
                "<p>Po zaznaczeniu <b>Dodatki i potrącenia</b> do brutta doliczane są premia i dodatki, a od "
                "netta odejmowane potrącenia. <b>Wylicz Emeryturę</b> liczy emeryturę netto (tylko składka "
                "zdrowotna 9% i podatek), <b>Liczenie nagród</b> – nagrodę, od której odejmuje się tylko "
                "podatek.</p><p>Kwoty wpisuj z przecinkiem dziesiętnym, bez spacji, np. 3500,50.</p>");
        case 2:
            return QStringLiteral(
                "<h2>Odsetki, przelicznik</h2><p>Podaj kwotę, oprocentowanie oraz daty początku i końca, "
                "wybierz naliczanie roczne lub dzienne i naciśnij <b>Wylicz odsetki</b>. Dzień początkowy "
                "wlicza się do okresu, końcowy nie.</p><p>W dolnej części strony znajdują się przeliczniki "
                "jednostek czasu, powierzchni, objętości, ciśnienia, mocy i temperatury – wpisz wartość i "
                "naciśnij <b>Przelicz</b>.</p>");
        case 3:
            return QStringLiteral(
                "<h2>Odsetki podatkowe i ustawowe</h2><p>Podaj kwotę zaległości, dzień powstania zaległości "
                "i "
                "dzień zapłaty, wybierz rodzaj odsetek i naciśnij <b>Wylicz odsetki</b>. Okres dzielony jest "
                "na części według zmian stawek; odsetki każdej części są zaokrąglane do groszy, a ich suma "
                "do "
                "pełnych złotych.</p><p><b>Drukuj</b> drukuje zestawienie odsetek.</p>");
        case 4:
            return QStringLiteral(
                "<h2>Dane początkowe</h2><p>Tabela zawiera procenty składek ZUS, zdrowotnej i funduszy oraz "
                "to, "
                "kto je opłaca: pracownik czy firma. Aby je zmienić, naciśnij <b>Edytuj</b>, wprowadź zmiany "
                "i "
                "naciśnij <b>Zablokuj</b>. Zmiany obowiązują do zamknięcia programu.</p>");
        case 5:
            return QStringLiteral(
                "<h2>Emerytura z II filaru</h2><p>Prognoza kapitału i emerytury z otwartego "
                "funduszu emerytalnego.</p>");
        case 6:
            return QStringLiteral(
                "<h2>Emerytura z III filaru</h2><p>Prognoza kapitału z dobrowolnego "
                "oszczędzania na emeryturę.</p>");
        case 7:
            return QStringLiteral(
                "<h2>Raty kredytu</h2><p>Podaj kwotę kredytu, okres (w latach lub miesiącach) i "
                "oprocentowanie "
                "roczne, wybierz raty równe lub malejące i naciśnij <b>Wylicz raty</b>. Tabela pokazuje raty "
                "w "
                "kolejnych miesiącach i latach. W trybie <i>Oprocentowanie kredytu</i> program wylicza "
                "oprocentowanie kredytu o ratach malejących z wysokości pierwszej raty.</p>");
        case 8:
            return QStringLiteral(
                "<h2>Emerytura z ZUS</h2><p>Prognoza emerytury z ZUS z kapitałem "
                "początkowym i waloryzacją składek.</p>");
        default:
            return QStringLiteral("<h2>Pomoc</h2><p>Brak tematu pomocy o numerze %1.</p>").arg(contextNumber);
    }
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pomoc – tolvex"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    resize(480, 360);
}

void HelpWindow::ShowTopic(int contextNumber) {
    browser_->setHtml(HelpTopic(contextNumber));
    show();
    raise();
}

QString HelpWindow::CurrentTopic() const {
    return browser_->toHtml();
}

}  // namespace tolvex
