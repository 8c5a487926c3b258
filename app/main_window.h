// The main window: a title panel, the exit button and the page control with the ten
// calculator pages.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <functional>
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
class SalaryIndexDialog;

// A window built the first time it is used, then kept: `window->X` reads as for a member.
template <class T>
class OnFirstUse {
  public:
    explicit OnFirstUse(std::function<std::unique_ptr<T>()> make) : make_(std::move(make)) {}
    T* get() {
        if (!made_) made_ = make_();
        return made_.get();
    }
    T* operator->() { return get(); }
    T& operator*() { return *get(); }

  private:
    std::function<std::unique_ptr<T>()> make_;
    std::unique_ptr<T> made_;
};

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
    // The index dialogs of the ZUS page, hidden, kept with their cells. The ten-year table holds
    // a start-up value; the other two are built when the page first needs them (few users open
    // them, and building them took a twentieth of the start-up).
    std::unique_ptr<TTabelaWynagrodzen> TabelaWynagrodzen;
    OnFirstUse<TTabelaWaloryzacyjna> TabelaWaloryzacyjna;
    OnFirstUse<TTabelaWynagrodzen20> TabelaWynagrodzen20;

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
    // The ZUS page shows the base index a salary dialog computes.
    void WatchSalaryDialog(SalaryIndexDialog* dialog);

    UiContext ctx_;
    // The last fund projection of "Emeryt II" or "Emeryt III", for their printout.
    FundProjectionRows fundRows_;
    HelpWindow* help_ = nullptr;
    // The font the last printout left on the printer; the next one starts with it.
    PrintFont printFont_;
};

}  // namespace tolvex
