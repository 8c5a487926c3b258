// The main window: a title panel, the exit button and the page control with the ten
// calculator pages.
#pragma once

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "pensions/fund_projection.h"
#include "widgets/common/ui_context.h"
#include "widgets/common/widget_fields.h"

namespace tolvex {

class Page;
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

// A tab page built the first time it is needed: when its tab is chosen, when code asks for it
// here, or when a calculation looks for one of its controls. Reads as a pointer to the page.
template <class T>
class PageOnFirstUse {
  public:
    explicit PageOnFirstUse(std::function<QWidget*()> ensure) : ensure_(std::move(ensure)) {}
    T* get() const { return static_cast<T*>(ensure_()); }
    T* operator->() const { return get(); }
    operator T*() const { return get(); }

  private:
    std::function<QWidget*()> ensure_;
};

class TKalkulator_Finansowy : public QWidget, public DeferredControls {
    Q_OBJECT
  public:
    // `messages` receives every message of the program; the window does not own it.
    explicit TKalkulator_Finansowy(MessageSink& messages, QWidget* parent = nullptr);
    // A compact sans serif, close to the classic 8-point dialog font, so all ten tabs fit.
    static QFont WindowFont();
    ~TKalkulator_Finansowy() override;

    UiContext& Context() { return ctx_; }
    HelpWindow& Help();

    QLabel* Label1Nazwa;
    QLabel* Label17;
    QPushButton* Wyjscie;
    QTabWidget* plec;

    // Only "Płace", the page shown at start, is built with the window: building and laying out
    // the other nine took a third of the start-up.
    PageOnFirstUse<PlacePage> TabSheet1{[this] { return EnsurePage(0); }};
    PageOnFirstUse<SkladkiZusPage> TabSheet2{[this] { return EnsurePage(1); }};
    PageOnFirstUse<OdsetkiPrzelicznikPage> TabSheet3{[this] { return EnsurePage(2); }};
    PageOnFirstUse<OdsetkiPodatkowePage> TabSheet4{[this] { return EnsurePage(3); }};
    PageOnFirstUse<DanePoczatkowePage> TabSheet5{[this] { return EnsurePage(4); }};
    PageOnFirstUse<EmerytIIPage> TabSheet6{[this] { return EnsurePage(5); }};
    PageOnFirstUse<EmerytIIIPage> TabSheet7{[this] { return EnsurePage(6); }};
    PageOnFirstUse<RatyKredytPage> TabSheet8{[this] { return EnsurePage(7); }};
    PageOnFirstUse<InformacjaPage> Informacja{[this] { return EnsurePage(8); }};
    PageOnFirstUse<EmerytZusPage> TabSheet9{[this] { return EnsurePage(9); }};

    // Gives every page built from now on its start values of `today`, and those built so far
    // at once, in tab order; each as if the window were still hidden.
    void StartPages(const QDate& today);
    // Builds the pages not built yet.
    void BuildDeferredControls() override;
    bool PageBuilt(int index) const { return tabs_[index].page != nullptr; }
    // Brings the tab holding `page` to the front.
    void ShowPage(QWidget* page);

    // Created right after the main window, shown once at start-up.
    std::unique_ptr<TInformacja> InformacjaForm;
    // The index dialogs of the ZUS page, hidden, kept with their cells, each built when the page
    // first needs it (few users open them, and building them took a twentieth of the start-up).
    // The ten-year table's start-up index, "100", is the one it is built with.
    OnFirstUse<TTabelaWynagrodzen> TabelaWynagrodzen;
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
    struct Tab {
        QWidget* slot = nullptr;  // the tab's own widget; the page goes inside it
        std::function<Page*(QWidget* slot)> make;
        Page* page = nullptr;
        bool building = false;
    };
    QWidget* EnsurePage(int index);
    void StartPage(Page& page);
    void ConnectPageButtons(QWidget* page);
    // The ZUS page shows the base index a salary dialog computes.
    void WatchSalaryDialog(SalaryIndexDialog* dialog);

    UiContext ctx_;
    // The last fund projection of "Emeryt II" or "Emeryt III", for their printout.
    FundProjectionRows fundRows_;
    HelpWindow* help_ = nullptr;
    // The font the last printout left on the printer; the next one starts with it.
    PrintFont printFont_;
    std::array<Tab, 10> tabs_;
    std::optional<QDate> startDay_;
};

}  // namespace tolvex
