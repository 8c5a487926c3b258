#include "pensions/emeryt_zus_page.h"

#include <QSpinBox>
#include <sstream>

#include "core/amount/amount.h"
#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::string>;
const char* const kBadNumber = "Błędnie napisana liczba(separator lub wartość)";

class EmerytZusPageTest : public MainWindowTest {
  protected:
    EmerytZusPage* Page() const { return window->TabSheet9; }
    void Choose(const char* group, int item) { Find<RadioGroup>(group)->Button(item)->click(); }
    void Set(const char* name, const char* text) { Edit(name)->setText(QString::fromUtf8(text)); }
    // Every name in the blank-separated list is shown (or hidden).
    void ExpectShown(const std::string& names, bool shown) {
        std::istringstream list(names);
        for (std::string name; list >> name;) EXPECT_EQ(!Find(name.c_str())->isHidden(), shown) << name;
    }
    // The texts of the listed controls, joined by "|".
    std::string Strs(const std::string& names) {
        std::istringstream list(names);
        std::string out;
        for (std::string name; list >> name;) out += (out.empty() ? "" : "|") + Str(name.c_str());
        return out;
    }
    static std::string Cell(const QTableWidget* grid, int row, int column) {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }
    static void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
        grid->item(row, column)->setText(text);
    }
};

TEST_F(EmerytZusPageTest, StartUpValues) {
    Start();
    ExpectShown(
        "RadioGroupWskaznikPodstawy LabelPodstawaKapitalu EditPodstawaKapitalu GroupBoxOkresSkladkowy "
        "LabelSkladkowy LabelNieskladkowy Labelzl1 LabelWskaznikPodstawy LabelMiesiecznaEmerytura25",
        false);
    ExpectShown(
        "EditKapitalPoczatkowy DateTimeDataRozpoczeciaPracy LabelDataPodjeciaPracyZawodowej "
        "RadioGroupWaloryzacja CheckBoxWczesnaEmerytura RadioGroupKapitalPoczatkowy Tabelka2",
        true);
    EXPECT_EQ(
        Strs("DateTimeDataUrodzenia DateTimeDataRozpoczeciaPracy LabelSredniaWaloryzacja EditSredniCzasZycia "
             "EditPlacaBruttoZus EditPodstawaKapitalu EditMcNieSkl EditKapitalPoczatkowy1999 "
             "LabelMiesiecznaEmerytura LabelInformacjaOEmeryturze LabelSredniWskaznik"),
        "1952-12-18|1976-12-21|Waloryzacja 0%|202,7|1800|1220,89|0|0,00|Emerytura/mc|"
        "Emerytura po osiągnięciu wieku 65 lat|100");
    EXPECT_TRUE(window->TabelaWaloryzacyjna->isHidden());
    EXPECT_EQ(Page()->DateTimeDataRozpoczeciaPracy->IncrementScale(), TIncrementScale::Year);
}

TEST_F(EmerytZusPageTest, BirthDateLaysThePageOut) {
    const std::string oldSystem = "CheckBoxWczesnaEmerytura GroupBoxOkresSkladkowy";
    const std::string projection = "Tabelka2 RadioGroupPlec2 RadioGroupWaloryzacja EditPlacaBruttoZus";
    struct Case {
        const char *birth, *start, *shown, *hidden, *base;
    } cases[] = {
        {"1948-12-31", "1968-12-31", "LabelWskaznikPodstawy", "", "2822,66"},
        // The boundaries themselves get the initial-capital layout.
        {"1949-01-01", "1969-01-01", "RadioGroupKapitalPoczatkowy EditKapitalPoczatkowy", "", "1220,89"},
        {"1968-12-31", "1988-12-31", "RadioGroupKapitalPoczatkowy RadioGroupLiczenieWskaznikaPodstawy", "",
         "1220,89"},
        {"1980-02-29", "2000-02-29", "",
         "RadioGroupKapitalPoczatkowy EditKapitalPoczatkowy RadioGroupCzyOFEII", "1220,89"},
    };
    Start();
    Choose("RadioGroupKapitalPoczatkowy", 1);
    Press("PrzeliczZUS");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.birth);
        Choose("RadioGroupWaloryzacja", 2);
        Set("DateTimeDataUrodzenia", c.birth);
        EXPECT_EQ(Str("DateTimeDataRozpoczeciaPracy"), c.start);
        EXPECT_EQ(Page()->RadioGroupWaloryzacja->ItemIndex(), 0);
        EXPECT_EQ(Cell(Page()->Tabelka2, 1, 4), "");
        const bool old = std::string(c.base) == "2822,66";
        ExpectShown(oldSystem, old);
        ExpectShown(projection, !old);
        ExpectShown(c.shown, true);
        ExpectShown(c.hidden, false);
        EXPECT_EQ(Str("EditPodstawaKapitalu"), c.base);  // the new system leaves it
    }
    EXPECT_FALSE(Page()->EditKapitalPoczatkowy->isReadOnly());  // new system: typed
}

TEST_F(EmerytZusPageTest, EarlyRetirementBox) {
    Start();
    Page()->CheckBoxWczesnaEmerytura->click();
    EXPECT_FALSE(Page()->DateTimeDataUrodzenia->isEnabled());
    ExpectShown("GroupBoxOkresSkladkowy CheckBoxWczesnaEmerytura", true);
    ExpectShown("EditKapitalPoczatkowy Tabelka2", false);
    Set("EditLataSkladkowy", "30");
    Press("PrzeliczZUS");
    EXPECT_EQ(Str("LabelMiesiecznaEmerytura"), "Emerytura m-c: 1 778,28zł");
    Page()->CheckBoxWczesnaEmerytura->click();
    EXPECT_TRUE(Page()->DateTimeDataUrodzenia->isEnabled());
    EXPECT_EQ(Str("DateTimeDataUrodzenia"), "1952-12-18");
    ExpectShown("EditKapitalPoczatkowy Tabelka2 RadioGroupKapitalPoczatkowy CheckBoxWczesnaEmerytura", true);
    ExpectShown("LabelWskaznikPodstawy GroupBoxOkresSkladkowy", false);
}

TEST_F(EmerytZusPageTest, FieldHandlers) {
    Start();
    struct Case {
        int sex;
        const char *field, *typed, *after, *message;
    } cases[] = {
        {0, "EditSredniCzasZycia", "abc", "202,7", "Błędnie napisana liczba"},
        {1, "EditSredniCzasZycia", "1.5", "245,3", "Błędnie napisana liczba"},
        {1, "EditPlacaBruttoZus", "1.5", "1500", kBadNumber},
        {0, "EditPodstawaKapitalu", "12a", "0,00", kBadNumber},
        {0, "EditPlacaBruttoZus", "", "", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed);
        Choose("RadioGroupPlec2", c.sex);
        Set(c.field, c.typed);
        EXPECT_EQ(Str(c.field), c.after);
        EXPECT_EQ(Messages(), c.message ? Texts{c.message} : Texts{});
    }
    EXPECT_EQ(Str("LabelInformacjaOEmeryturze25"), "Emerytura po przepracowaniu 25 lat");
    for (const auto& [field, placeholder] :
         {std::pair{"EditMcSkl", "0"}, {"EditKapitalPoczatkowy1999", "0,00"}}) {
        Click(field);
        EXPECT_EQ(Str(field), "");
        Leave(field);
        EXPECT_EQ(Str(field), placeholder);
    }
}

TEST_F(EmerytZusPageTest, InitialCapitalEnteredOrComputed) {
    Start();
    Choose("RadioGroupKapitalPoczatkowy", 1);
    EXPECT_EQ(Strs("EditLataSkladkowy EditMcSkl"), "22|0");
    ExpectShown("GroupBoxOkresSkladkowy RadioGroupWskaznikPodstawy EditPodstawaKapitalu", true);
    EXPECT_TRUE(Page()->EditKapitalPoczatkowy1999->isReadOnly());
    Press("PrzeliczZUS");
    EXPECT_EQ(Str("EditKapitalPoczatkowy1999"), "113783,618");
    Choose("RadioGroupKapitalPoczatkowy", 0);
    // A capital typed after switching back is the one used, not the computed one.
    Type("EditKapitalPoczatkowy1999", "50000");
    Press("PrzeliczZUS");
    EXPECT_EQ(Strs("EditKapitalPoczatkowy EditKapitalPoczatkowy_mc"), "50 000,00|246,67");
}

TEST_F(EmerytZusPageTest, SalaryIndexDialogs) {
    Start();
    auto answer = [this](std::function<void(SalaryIndexDialog&)> fill) {
        AnswerNextDialog([fill](QDialog& d) {
            auto& dialog = dynamic_cast<SalaryIndexDialog&>(d);
            EXPECT_FALSE(dialog.CheckBoxWprowadzWskaznik->isChecked());
            fill(dialog);
            dialog.Zapamietaj->click();
            dialog.Zamknij1->click();
        });
    };
    answer([](SalaryIndexDialog&) {});  // ten empty rows
    Choose("RadioGroupWskaznikPodstawy", 1);
    EXPECT_EQ(window->TabelaWynagrodzen->LabelSredniWskaznik->text(), "100");
    EXPECT_EQ(Str("LabelWskaznikPodstawy"), "Wskaź. podstawy =100%");
    ExpectShown("LabelWskaznikPodstawy", true);

    answer([this](SalaryIndexDialog& d) {
        QTableWidget* grid = d.StringGridTabelaWynagrodzen;
        grid->setCurrentCell(2, 2);  // no first year yet
        EXPECT_EQ(Messages(), Texts{"Podaj rok w pierwszym wierszu"});
        SetCell(grid, 1, 1, "1996");
        grid->setCurrentCell(3, 2);
        for (int r = 1; r <= 10; ++r)
            SetCell(grid, r, 2, QString::fromStdString(FormatGeneral(2 * ParseAmount(Cell(grid, r, 3)))));
    });
    Choose("RadioGroupLiczenieWskaznikaPodstawy", 0);
    EXPECT_EQ(Cell(window->TabelaWynagrodzen->StringGridTabelaWynagrodzen, 10, 1), "2005");
    EXPECT_EQ(Str("LabelWskaznikPodstawy"), "Wskaź. podstawy =200%");

    answer([this](SalaryIndexDialog& d) {
        EXPECT_EQ(d.objectName(), "TTabelaWynagrodzen20");
        d.CheckBoxWprowadzWskaznik->click();
        d.EditWskaznikPlacy->setText("12O");
        d.Zapamietaj->click();
        EXPECT_EQ(Messages(), Texts{kBadNumber});
        d.EditWskaznikPlacy->setText("120,5");
    });
    Choose("RadioGroupLiczenieWskaznikaPodstawy", 1);
    EXPECT_EQ(window->TabelaWynagrodzen20->LabelSredniWskaznik->text(), "120,5");
    EXPECT_EQ(Str("LabelWskaznikPodstawy"), "Wskaź. podstawy : 120,5");
}

// The valorization dialog answered as a user would, then the man's whole projection: the
// texts are those of the independent reference (tests/pensions/reference) for his inputs.
TEST_F(EmerytZusPageTest, YearlyValorizationThroughTheDialog) {
    Start();
    Choose("RadioGroupKapitalPoczatkowy", 1);
    Set("EditLataNieSkl", "1");
    Set("EditMcNieSkl", "9");
    Page()->Inflacja->setValue(3);
    AnswerNextDialog([](QDialog& d) {
        auto& dialog = dynamic_cast<TTabelaWaloryzacyjna&>(d);
        EXPECT_EQ(dialog.StringGridTabelaWaloryzacyjna->rowCount(), 20);
        EXPECT_TRUE(dialog.StringGridPomocniczy->isHidden());
        dialog.Zapamietaj->click();
        dialog.Zamknij1->click();
    });
    Choose("RadioGroupWaloryzacja", 1);
    Press("PrzeliczZUS");
    EXPECT_EQ(Strs("LabelMiesiecznaEmerytura LabelMiesiecznaEmerytura67"), "3 003,02zł|3 068,29zł");
    EXPECT_EQ(Page()->Tabelka2->rowCount(), 20);
    EXPECT_EQ(Cell(Page()->Tabelka2, 19, 4), "151761,58");
    ExpectShown("LabelSredniaWaloryzacja", false);

    // A woman born after 1968: a row per year of work, indices typed from the helper grid.
    // The cells of the earlier opening are still there.
    Choose("RadioGroupPlec2", 1);
    Set("DateTimeDataUrodzenia", "1975-06-30");
    AnswerNextDialog([](QDialog& d) {
        auto& dialog = dynamic_cast<TTabelaWaloryzacyjna&>(d);
        QTableWidget* grid = dialog.StringGridTabelaWaloryzacyjna;
        EXPECT_EQ(grid->rowCount(), 42);
        EXPECT_EQ(Cell(grid, 41, 1) + " " + Cell(grid, 19, 2), "2039 105,18");
        EXPECT_EQ(Cell(dialog.StringGridPomocniczy, 12, 0) + " " + Cell(dialog.StringGridPomocniczy, 12, 1),
                  "2011 105,18");
        EXPECT_FALSE(dialog.StringGridPomocniczy->isHidden());
        SetCell(grid, 20, 2, "");
        dialog.Zapamietaj->click();
        EXPECT_EQ(Cell(grid, 20, 2), "100");
        dialog.Zamknij1->click();
    });
    Choose("RadioGroupWaloryzacja", 1);
    Choose("RadioGroupWaloryzacja", 2);
    EXPECT_EQ(Str("LabelSredniaWaloryzacja"), "Waloryzacja skł. ZUS o 7,73%");
}

}  // namespace
}  // namespace tolvex::testing
