// The main window: a title panel, the exit button and the page control with the ten
// calculator pages.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <memory>

#include "pensions/fund_projection.h"
#include "widgets/common/ui_context.h"

namespace tolvex {

class PlacePage;
class SkladkiZusPage;
class OdsetkiPrzelicznikPage;
class OdsetkiPodatkowePage;
class DanePoczatkowePage;
class RatyKredytPage;
class InformacjaPage;
class EmerytIIPage;
class EmerytIIIPage;
class TInformacja;
class HelpWindow;
class EmerytZusPage;
class TTabelaWynagrodzen;
class TTabelaWynagrodzen20;
class TTabelaWaloryzacyjna;

class TKalkulator_Finansowy : public QWidget {
    Q_OBJECT
  public:
    // `messages` receives every message of the program; the window does not own it.
    explicit TKalkulator_Finansowy(MessageSink& messages, QWidget* parent = nullptr);
    ~TKalkulator_Finansowy() override;

    UiContext& Context() { return ctx_; }
    HelpWindow& Help();

    QLabel* Label1Nazwa;
    QLabel* Label17;
    QPushButton* Wyjscie;
    QTabWidget* plec;

    PlacePage* TabSheet1;
    SkladkiZusPage* TabSheet2;
    OdsetkiPrzelicznikPage* TabSheet3;
    OdsetkiPodatkowePage* TabSheet4;
    DanePoczatkowePage* TabSheet5;
    EmerytIIPage* TabSheet6;
    EmerytIIIPage* TabSheet7;
    RatyKredytPage* TabSheet8;
    InformacjaPage* Informacja;
    EmerytZusPage* TabSheet9;

    // Created right after the main window, shown once at start-up.
    std::unique_ptr<TInformacja> InformacjaForm;
    // The index dialogs of the ZUS page: created after it, hidden, kept with their cells.
    std::unique_ptr<TTabelaWynagrodzen> TabelaWynagrodzen;
    std::unique_ptr<TTabelaWaloryzacyjna> TabelaWaloryzacyjna;
    std::unique_ptr<TTabelaWynagrodzen20> TabelaWynagrodzen20;

  public slots:
    void WyjscieClick();
    void WyjsciePomClick();
    void WyjsciePom1Click();
    void WyjsciePom2Click();
    void WyjsciePom4Click();
    void WyjsciePom5Click();
    void WyjsciePom6Click();
    void WyjsciePom7Click();
    void Pomoc1Click();
    void pomoc2Click();
    void Pomoc3Click();
    void Pomoc4Click();
    void Pomoc5Click();
    void Pomoc6Click();
    void Pomoc7Click();
    void Pomoc_ZUSClick();
    void plecChange(int index);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ConnectPageButtons();

    UiContext ctx_;
    // The last fund projection of "Emeryt II" or "Emeryt III", for their printout.
    FundProjectionRows fundRows_;
    HelpWindow* help_ = nullptr;
    // The font the last printout left on the printer; the next one starts with it.
    PrintFont printFont_;
};

}  // namespace tolvex
