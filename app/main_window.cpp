#include "app/main_window.h"

#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help_window.h"
#include "info/informacja_dialog.h"
#include "info/informacja_page.h"
#include "info/maker.h"
#include "interest/odsetki_podatkowe_page.h"
#include "interest/odsetki_przelicznik_page.h"
#include "loans/raty_kredyt_page.h"
#include "payroll/dane_poczatkowe_page.h"
#include "payroll/place_page.h"
#include "payroll/skladki_zus_page.h"
#include "pensions/emeryt_zus_page.h"
#include "pensions/fund_pages.h"
#include "widgets/common/page.h"
#include "widgets/common/qt_text.h"
#include "widgets/printing/qt_print_canvas.h"

namespace tolvex {
namespace {

// Builds a page that needs nothing but the context, inside its tab's slot.
template <class T>
std::function<Page*(QWidget* slot)> Builder(UiContext& ctx) {
    return [&ctx](QWidget* slot) { return new T(ctx, slot); };
}

// As QDialog::exec(), without making the dialog modal.
int RunAlone(QDialog& dialog) {
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    loop.exec(QEventLoop::DialogExec);
    return dialog.result();
}

}  // namespace

TKalkulator_Finansowy::TKalkulator_Finansowy(MessageSink& messages, QWidget* parent)
    : QWidget(parent),
      TabelaWynagrodzen([this] {
          auto dialog = std::make_unique<TTabelaWynagrodzen>(ctx_, this);
          WatchSalaryDialog(dialog.get());
          return dialog;
      }),
      TabelaWaloryzacyjna([this] { return std::make_unique<TTabelaWaloryzacyjna>(ctx_, this); }),
      TabelaWynagrodzen20([this] {
          auto dialog = std::make_unique<TTabelaWynagrodzen20>(ctx_, this);
          WatchSalaryDialog(dialog.get());
          return dialog;
      }) {
    setObjectName(QStringLiteral("TKalkulator_Finansowy"));
    setWindowTitle(QStringLiteral("TOLVEX – kalkulator finansowy · ") + maker::kHomePage);
    ctx_.messages = &messages;
    const QFont base = WindowFont();
    setFont(base);
    // Until the main window shows there is no window for a dialog to hold off (the start-up
    // information window), so it runs without modality: closing a modal window makes Qt ask
    // the X server where the pointer is, and start-up waited for the server to redraw first.
    ctx_.execModal = [this](QDialog& dialog) { return isVisible() ? dialog.exec() : RunAlone(dialog); };
    ctx_.showHelp = [this](int topic) { Help().ShowTopic(topic); };
    // Printouts in the desktop's own font, whatever font the program's windows use.
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    printFont_ = PrintFont{S(desktop.family()), desktop.pointSize()};
    ctx_.makePrintCanvas = [this](const std::string& reportName) -> std::unique_ptr<PrintCanvas> {
        return std::make_unique<QtPrintCanvas>(reportName, printFont_, ctx_.messages);
    };
    ctx_.openUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl::fromUserInput(address)); };

    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("PanelTytul"));
    Label1Nazwa = new QLabel(QStringLiteral("TOLVEX  –  kalkulator płac, odsetek, kredytów i emerytur"), top);
    Label1Nazwa->setObjectName(QStringLiteral("Label1Nazwa"));
    QFont titleFont = Label1Nazwa->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    Label1Nazwa->setFont(titleFont);
    Label17 = new QLabel(QStringLiteral("wer. ") + maker::kVersion, top);
    Label17->setObjectName(QStringLiteral("Label17"));
    Wyjscie = new QPushButton(QStringLiteral("&Wyjście"), this);
    Wyjscie->setObjectName(QStringLiteral("Wyjscie"));
    Wyjscie->setToolTip(QStringLiteral("Koniec pracy z kalkulatorem finansowym"));
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(8, 4, 8, 4);
    topLayout->addWidget(Label1Nazwa);
    topLayout->addSpacing(12);
    topLayout->addWidget(Label17);
    topLayout->addStretch(1);
    topLayout->addWidget(Wyjscie);

    plec = new QTabWidget(this);
    plec->setObjectName(QStringLiteral("plec"));
    plec->setToolTip(QStringLiteral("Obliczanie emerytury z III filaru"));
    // All ten captions in one row, without scroll arrows, at the window's design width.
    QFont tabFont = base;
    tabFont.setPointSizeF(8.5);
    plec->tabBar()->setFont(tabFont);
    plec->tabBar()->setExpanding(false);
    plec->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 4px 8px; margin-right: 1px; border: 1px solid #a8a8a8; border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #e4e4e4; }"
        "QTabBar::tab:selected { background: #fafafa; font-weight: bold; }"
        "QTabBar::tab:!selected { margin-top: 2px; }"));

    struct TabSpec {
        const char* caption;
        const char* hint;
        std::function<Page*(QWidget* slot)> make;
    };
    const TabSpec specs[] = {
        {"Płace", "Wyliczanie płacy", Builder<PlacePage>(ctx_)},
        {"Skł. ZUS", "Składki ZUS wyliczone dla płacy podanej w poprzedniej zakładce",
         Builder<SkladkiZusPage>(ctx_)},
        {"Odsetki, przelicznik", "Obliczanie odsetek bankowych, przeliczniki",
         Builder<OdsetkiPrzelicznikPage>(ctx_)},
        {"Odsetki podat.", "Wyliczanie odsetek podatkowych i ustawowych",
         Builder<OdsetkiPodatkowePage>(ctx_)},
        {"Dane pocz.", "Dane stratowe Kalkulatora", Builder<DanePoczatkowePage>(ctx_)},
        {"Emeryt II", "Obliczanie emerytury z II filaru",
         [this](QWidget* slot) {
             return new EmerytIIPage(ctx_, fundRows_, TabSheet1->EditKosztyUzyskPrzychodu, slot);
         }},
        {"Emeryt III", "",
         [this](QWidget* slot) { return new EmerytIIIPage(ctx_, fundRows_, *TabSheet6, slot); }},
        {"Raty-kredyt", "Obilczanie rat i kredytu", Builder<RatyKredytPage>(ctx_)},
        {"Informacja", "Informacja o programie", Builder<InformacjaPage>(ctx_)},
        {"Emeryt ZUS", "Emerytura z ZUS",
         [this](QWidget* slot) {
             auto* page = new EmerytZusPage(ctx_, slot);
             page->AttachIndexDialogs({[this] { return TabelaWynagrodzen.get(); },
                                       [this] { return TabelaWynagrodzen20.get(); },
                                       [this] { return TabelaWaloryzacyjna.get(); }});
             return page;
         }},
    };
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i) {
        Tab& tab = tabs_[i];
        tab.slot = new QWidget;
        auto* slotLayout = new QVBoxLayout(tab.slot);
        slotLayout->setContentsMargins(0, 0, 0, 0);
        tab.make = specs[i].make;
        plec->addTab(tab.slot, QString::fromUtf8(specs[i].caption));
        plec->setTabToolTip(i, QString::fromUtf8(specs[i].hint));
    }
    EnsurePage(0);
    plec->setCurrentIndex(0);
    connect(plec, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0) EnsurePage(index);
    });
    connect(plec, &QTabWidget::currentChanged, this, &TKalkulator_Finansowy::plecChange);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(top);
    layout->addWidget(plec, 1);

    connect(Wyjscie, &QPushButton::clicked, this, &TKalkulator_Finansowy::WyjscieClick);

    resize(780, 718);
    if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());

    InformacjaForm = std::make_unique<TInformacja>(ctx_, this);
    InformacjaForm->setWindowFlag(Qt::Window);
    connect(InformacjaForm.get(), &TInformacja::okPressed, TabSheet1, &PlacePage::ResetAllowancesPanel);
}

QFont TKalkulator_Finansowy::WindowFont() {
    QFont font(QStringLiteral("Liberation Sans"), 9);
    font.setStyleHint(QFont::SansSerif);
    // Latin text needs no OpenType shaping; skipping it roughly halves the cost of laying out
    // text, and kerning is still applied.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void TKalkulator_Finansowy::WatchSalaryDialog(SalaryIndexDialog* dialog) {
    connect(dialog, &SalaryIndexDialog::baseIndexShown, this,
            [this](const QString& caption) { TabSheet9->ShowBaseIndex(caption); });
}

QWidget* TKalkulator_Finansowy::EnsurePage(int index) {
    Tab& tab = tabs_[index];
    if (tab.page || tab.building) return tab.page;
    tab.building = true;
    tab.page = tab.make(tab.slot);
    tab.building = false;
    tab.make = nullptr;
    tab.slot->layout()->addWidget(tab.page);
    // A child added to a shown widget stays hidden until shown itself.
    if (tab.slot->isVisible()) tab.page->show();
    ConnectPageButtons(tab.page);
    if (startDay_) StartPage(*tab.page);
    return tab.page;
}

void TKalkulator_Finansowy::StartPage(Page& page) {
    // Start values are written as before the window is shown: the late checks stay idle.
    const bool shown = ctx_.mainWindowShown;
    ctx_.mainWindowShown = false;
    page.StartUp(*startDay_);
    ctx_.mainWindowShown = shown;
}

void TKalkulator_Finansowy::StartPages(const QDate& today) {
    startDay_ = today;
    for (Tab& tab : tabs_)
        if (tab.page) StartPage(*tab.page);
}

void TKalkulator_Finansowy::BuildDeferredControls() {
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i) EnsurePage(i);
}

void TKalkulator_Finansowy::ShowPage(QWidget* page) {
    for (const Tab& tab : tabs_)
        if (tab.page == page) plec->setCurrentWidget(tab.slot);
}

TKalkulator_Finansowy::~TKalkulator_Finansowy() = default;

HelpWindow& TKalkulator_Finansowy::Help() {
    if (!help_) help_ = new HelpWindow(this);
    help_->setWindowFlag(Qt::Window);
    return *help_;
}

void TKalkulator_Finansowy::ConnectPageButtons(QWidget* page) {
    auto wire = [this, page](const char* name, void (TKalkulator_Finansowy::*slot)()) {
        if (auto* b = page->findChild<QPushButton*>(QString::fromLatin1(name)))
            connect(b, &QPushButton::clicked, this, slot);
    };
    wire("WyjsciePom", &TKalkulator_Finansowy::WyjsciePomClick);
    wire("WyjsciePom1", &TKalkulator_Finansowy::WyjsciePom1Click);
    wire("WyjsciePom2", &TKalkulator_Finansowy::WyjsciePom2Click);
    wire("WyjsciePom4", &TKalkulator_Finansowy::WyjsciePom4Click);
    wire("WyjsciePom5", &TKalkulator_Finansowy::WyjsciePom5Click);
    wire("WyjsciePom6", &TKalkulator_Finansowy::WyjsciePom6Click);
    wire("WyjsciePom7", &TKalkulator_Finansowy::WyjsciePom7Click);
    wire("Pomoc1", &TKalkulator_Finansowy::Pomoc1Click);
    wire("pomoc2", &TKalkulator_Finansowy::pomoc2Click);
    wire("Pomoc3", &TKalkulator_Finansowy::Pomoc3Click);
    wire("Pomoc4", &TKalkulator_Finansowy::Pomoc4Click);
    wire("Pomoc5", &TKalkulator_Finansowy::Pomoc5Click);
    wire("Pomoc6", &TKalkulator_Finansowy::Pomoc6Click);
    wire("Pomoc7", &TKalkulator_Finansowy::Pomoc7Click);
    wire("Pomoc_ZUS", &TKalkulator_Finansowy::Pomoc_ZUSClick);
}

void TKalkulator_Finansowy::WyjscieClick() {
    TabSheet1->ResetAwardNet();
    close();
}
void TKalkulator_Finansowy::WyjsciePomClick() {
    WyjscieClick();
}
void TKalkulator_Finansowy::WyjsciePom1Click() {
    close();
}
void TKalkulator_Finansowy::WyjsciePom2Click() {
    close();
}
void TKalkulator_Finansowy::WyjsciePom4Click() {
    close();
}
void TKalkulator_Finansowy::WyjsciePom5Click() {
    close();
}
void TKalkulator_Finansowy::WyjsciePom6Click() {
    close();
}
void TKalkulator_Finansowy::WyjsciePom7Click() {
    close();
}

void TKalkulator_Finansowy::Pomoc1Click() {
    ctx_.showHelp(1);
}
void TKalkulator_Finansowy::pomoc2Click() {
    ctx_.showHelp(2);
}
void TKalkulator_Finansowy::Pomoc3Click() {
    ctx_.showHelp(3);
}
void TKalkulator_Finansowy::Pomoc4Click() {
    ctx_.showHelp(4);
}
void TKalkulator_Finansowy::Pomoc5Click() {
    ctx_.showHelp(5);
}
void TKalkulator_Finansowy::Pomoc6Click() {
    ctx_.showHelp(6);
}
void TKalkulator_Finansowy::Pomoc7Click() {
    ctx_.showHelp(7);
}
void TKalkulator_Finansowy::Pomoc_ZUSClick() {
    ctx_.showHelp(8);
}

void TKalkulator_Finansowy::plecChange(int) {
    if (auto* odsetki = findChild<QLineEdit*>(QStringLiteral("EditOdsetki"));
        odsetki && odsetki->text().isEmpty())
        odsetki->setText(QStringLiteral("0,00 zł"));
}

void TKalkulator_Finansowy::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ctx_.mainWindowShown = true;
}

}  // namespace tolvex
