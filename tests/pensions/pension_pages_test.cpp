// The "Emeryt ZUS", "Emeryt II" and "Emeryt III" pages, driven as a user would.
#include <QHeaderView>
#include <QSpinBox>
#include <fstream>
#include <map>

#include "core/amount/amount.h"
#include "core/report/recording_canvas.h"
#include "pensions/emeryt_zus_page.h"
#include "pensions/fund_pages.h"
#include "support/ui_fixture.h"
#include "widgets/common/spin_edit.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::string>;
const char* const kBadNumber = "Błędnie napisana liczba(separator lub wartość)";

// Reads a text the scripts in reference/ write: each "## case" heading goes to `startCase`, each
// "name = value" line (quotes taken off) to `check`; "#" notes are skipped. Returns the lines checked.
int ReadReference(const char* path, const std::function<void(const std::string&)>& startCase,
                  const std::function<void(const std::string&, const std::string&)>& check) {
    std::ifstream file(path);
    EXPECT_TRUE(file) << path;
    int lines = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("## case ")) startCase(line);
        if (line.empty() || line[0] == '#') continue;
        const size_t eq = line.find(" = ");
        std::string value = line.substr(eq + 3);
        if (value.starts_with('"')) value = value.substr(1, value.size() - 2);
        check(line.substr(0, eq), value);
        ++lines;
    }
    return lines;
}

class PensionPagesTest : public MainWindowTest {
  protected:
    EmerytZusPage* Page() const { return window->TabSheet9; }
    static std::string Cell(const QTableWidget* grid, int row, int column) {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }
    // A name of the reference texts as the page shows it: "Grid[r][c]" and "Grid.RowCount"
    // count the headings as row 0, "Name.visible" is "true" or "false".
    std::string OnPage(const std::string& name) const {
        const std::string control = name.substr(0, name.find_first_of("[."));
        if (name.ends_with(".visible")) return Find(control.c_str())->isHidden() ? "false" : "true";
        if (control == name) return Str(name.c_str());
        const auto* grid = Find<QTableWidget>(control.c_str());
        // The fund grids show their headings in the header, Tabelka2 in its first row.
        const int header = !grid->horizontalHeader()->isHidden();
        if (name.ends_with(".RowCount")) return std::to_string(grid->rowCount() + header);
        int r = 0, c = 0;
        std::sscanf(name.c_str() + control.size(), "[%d][%d]", &r, &c);
        if (header && r == 0) return grid->horizontalHeaderItem(c)->text().toStdString();
        return Cell(grid, r - header, c);
    }
};

TEST_F(PensionPagesTest, ZusStartUpValues) {
    Start();
    ExpectShown(
        "RadioGroupWskaznikPodstawy LabelPodstawaKapitalu EditPodstawaKapitalu GroupBoxOkresSkladkowy "
        "LabelSkladkowy LabelNieskladkowy Labelzl1 LabelWskaznikPodstawy LabelMiesiecznaEmerytura25",
        false);
    ExpectShown(
        "EditKapitalPoczatkowy DateTimeDataRozpoczeciaPracy LabelDataPodjeciaPracyZawodowej "
        "RadioGroupWaloryzacja CheckBoxWczesnaEmerytura RadioGroupKapitalPoczatkowy Tabelka2",
        true);
    // The dates, the life expectancy and the salary are those the reference cases start from.
    EXPECT_EQ(Strs("LabelSredniaWaloryzacja EditPodstawaKapitalu EditMcNieSkl LabelMiesiecznaEmerytura "
                   "LabelInformacjaOEmeryturze"),
              "Waloryzacja 0%|1220,89|0|Emerytura/mc|Emerytura po osiągnięciu wieku 65 lat");
    EXPECT_EQ(window->TabelaWynagrodzen->LabelSredniWskaznik->text(), "100");
}

TEST_F(PensionPagesTest, ZusBirthDateLaysThePageOut) {
    const std::string oldSystem = "CheckBoxWczesnaEmerytura GroupBoxOkresSkladkowy";
    const std::string projection = "Tabelka2 RadioGroupPlec2 RadioGroupWaloryzacja EditPlacaBruttoZus";
    struct Case {
        const char *birth, *start, *shown, *hidden, *base;
    } cases[] = {
        {"1948-12-31", "1968-12-31", "LabelWskaznikPodstawy", "", "2822,66"},
        // The boundary itself gets the initial-capital layout.
        {"1949-01-01", "1969-01-01",
         "RadioGroupKapitalPoczatkowy EditKapitalPoczatkowy RadioGroupLiczenieWskaznikaPodstawy", "",
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

TEST_F(PensionPagesTest, ZusEarlyRetirementBox) {
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

TEST_F(PensionPagesTest, ZusFieldHandlers) {
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

TEST_F(PensionPagesTest, ZusInitialCapitalEnteredOrComputed) {
    Start();
    Choose("RadioGroupKapitalPoczatkowy", 1);
    ExpectShown("GroupBoxOkresSkladkowy RadioGroupWskaznikPodstawy EditPodstawaKapitalu", true);
    EXPECT_TRUE(Page()->EditKapitalPoczatkowy1999->isReadOnly());
    Press("PrzeliczZUS");
    Choose("RadioGroupKapitalPoczatkowy", 0);
    // A capital typed after switching back is the one used, not the computed one.
    Type("EditKapitalPoczatkowy1999", "50000");
    Press("PrzeliczZUS");
    EXPECT_EQ(Strs("EditKapitalPoczatkowy EditKapitalPoczatkowy_mc"), "50 000,00|246,67");
}

TEST_F(PensionPagesTest, ZusSalaryIndexDialogs) {
    Start();
    auto answer = [this](std::function<void(SalaryIndexDialog&)> fill) {
        AnswerNextDialog([fill](QDialog& d) {
            auto& dialog = dynamic_cast<SalaryIndexDialog&>(d);
            fill(dialog);
            dialog.Zapamietaj->click();
            dialog.Zamknij1->click();
        });
    };
    answer([this](SalaryIndexDialog& d) {
        QTableWidget* grid = d.StringGridTabelaWynagrodzen;
        grid->setCurrentCell(2, 2);  // no first year yet
        EXPECT_EQ(Messages(), Texts{"Podaj rok w pierwszym wierszu"});
        grid->item(1, 1)->setText("1996");
        grid->setCurrentCell(3, 2);
        for (int r = 1; r <= 10; ++r)
            grid->item(r, 2)->setText(
                QString::fromStdString(FormatGeneral(2 * ParseAmount(Cell(grid, r, 3)))));
    });
    Choose("RadioGroupWskaznikPodstawy", 1);
    EXPECT_EQ(Cell(window->TabelaWynagrodzen->StringGridTabelaWynagrodzen, 10, 1), "2005");
    EXPECT_EQ(Str("LabelWskaznikPodstawy"), "Wskaź. podstawy =200%");
    ExpectShown("LabelWskaznikPodstawy", true);

    answer([this](SalaryIndexDialog& d) {
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

// A man (initial capital computed) and a woman (new system) in each valorization mode, each in a
// fresh program. Every field and cell was worked out independently by reference/zus_reference.py.
TEST_F(PensionPagesTest, ZusProjectionsMatchTheIndependentReference) {
    const auto enter = [this](const std::string& heading) {
        const bool woman = heading[8] == 'W';
        Start();
        Fill(woman ? "RadioGroupPlec2:1;DateTimeDataUrodzenia=1975-06-30;EditKapitalPoczatkowy=8000,00;"
                     "EditPlacaBruttoZus=3000"
                   : "RadioGroupKapitalPoczatkowy:1;EditLataNieSkl=1;EditMcNieSkl=9");
        Page()->Inflacja->setValue(woman ? 2 : 3);
        const int mode = heading.ends_with("NIE") ? 0 : heading.ends_with("TAK") ? 1 : 2;
        // "TAK": the man's indices are filled in; the woman types 13 from the helper grid and
        // leaves the other rows empty.
        if (mode == 1)
            AnswerNextDialog([woman](QDialog& d) {
                auto& dialog = dynamic_cast<TTabelaWaloryzacyjna&>(d);
                QTableWidget* grid = dialog.StringGridTabelaWaloryzacyjna;
                EXPECT_EQ(dialog.StringGridPomocniczy->isHidden(), !woman);
                for (int r = 1; woman && r <= 13; ++r)
                    grid->item(r, 2)->setText(
                        QString::fromStdString(Cell(dialog.StringGridPomocniczy, r - 1, 1)));
                dialog.Zapamietaj->click();
                EXPECT_EQ(Cell(grid, 19, 2), woman ? "100" : "105,18");
                dialog.Zamknij1->click();
            });
        Choose("RadioGroupWaloryzacja", mode);
        Press("PrzeliczZUS");
    };
    const int compared =
        ReadReference(TOLVEX_ZUS_REFERENCE, enter, [this](const std::string& name, const std::string& value) {
            if (name.ends_with("(after initial capital)")) return;
            const Texts shown = name == "messages" ? Messages() : Texts{OnPage(name)};
            EXPECT_EQ(shown, name == "messages" && value == "none" ? Texts{} : Texts{value}) << name;
        });
    EXPECT_EQ(compared, 1248);
}

TEST_F(PensionPagesTest, FundStartValuesAndTrackBars) {
    Start();
    EXPECT_EQ(Strs("WynagrodzenieBrutto DateTimeRokRozpoczecia Prowizja Oplata Zysk Wzrost UstawionyWiek "
                   "UstawionyOkres SkladkaSrednia SkladkaMiesieczna KwotaPoczatkowa DateTimeRokPrzystapienia "
                   "ProwizjaFE OplataZE ZyskFE InflacjaRoczna UstawionyWiek1 UstawionyOkres1"),
              "1800|1976-12-21|4|0|1|0|15 lat|5 lat|0,00|0,00|0,00|2003-01-01|8|0|10|0|15 lat|10 lat");
    ExpectShown("Wplacono Kapital LabelEmeryt_mc MiesiecznaEmerytura", false);
    ExpectShown("Wplacono1 Kapital1 LabelEmeryt_mc1 MiesiecznaEmerytura1", false);
    Fill("TrackBarWiek:12;TrackBarLata:3;TrackBarWiek1:60;TrackBarLata1:1");
    EXPECT_EQ(Strs("UstawionyWiek UstawionyOkres UstawionyWiek1 UstawionyOkres1"),
              "12 lata|3 lata|60 lat|1 rok");
}

// F2, then F3 over the rows F2 left, and each pillar's report. Every text, cell and per-year row
// was worked out independently by reference/funds_reference.py, rounded as the program rounds.
TEST_F(PensionPagesTest, FundProjectionsAndReportsMatchTheIndependentReference) {
    Start();
    RecordingCanvas canvas;
    window->Context().makePrintCanvas = [&](const std::string&) { return canvas.Share(); };
    // The report stops at 65 for the man of F2, at 60 for the woman of F3; the lead cell is 1,6
    // or 2,4 inches wide at 600 dots per inch.
    const auto expectReport = [&](const char* button, int leadX, const Texts& heading, const Texts& lastRow,
                                  const Texts& closing) {
        canvas = RecordingCanvas();
        Press(button);
        const Texts t = canvas.DrawnTexts();
        EXPECT_EQ(Texts(t.begin(), t.begin() + static_cast<long>(heading.size())), heading);
        EXPECT_EQ(canvas.Drawn().at(1).x, leadX);
        const auto last = std::find(t.begin(), t.end(), lastRow[0]);
        ASSERT_GE(t.end() - last, static_cast<long>(lastRow.size()));
        EXPECT_EQ(Texts(last, last + static_cast<long>(lastRow.size())), lastRow);
        EXPECT_EQ(Texts(t.end() - static_cast<long>(closing.size()), t.end()), closing);
        EXPECT_EQ(canvas.Count(RecordingCanvas::Call::Kind::ProcessMessages), 1 + std::stoi(lastRow[0]))
            << "after the document begins, then every row";
    };
    const auto project = [&](const std::string& heading) {
        if (heading[9] == '2') {
            Fill(
                "WynagrodzenieBrutto=2500;Oplata=1;Zysk=5;Wzrost=3;DateTimeRokRozpoczecia=2005-03-01;"
                "TrackBarWiek:30;TrackBarLata:20");
            return Press("PrzeliczOFE");
        }
        expectReport("Drukuj", 960,
                     {"WYNIKI OBLICZEŃ EMERYTURY II FILAR", "LP", "LATA", "PŁACA BR.(zł)", "WPŁATY(zł)",
                      "KAPITAŁ(zł)", "PROWIZJA(%)"},
                     {"36", "2040", "7465", "60 560,00", "157 530,00", "4,00"},
                     {"   DANE WEJŚCIOWE DO OBLICZEŃ ", "   Wynagrodzenie brutto : 2500 zł",
                      "   Realny zysk w skali roku OFE: 5%", "   Wzrost wynagrodzenia w skali roku: 3%",
                      "   Okres w latach pobierania emerytury: 20 lat", "  DANE WYJŚCIOWE",
                      "  Zebrany kapitał:  178 920 zł", "   Wysokość emerytury: 738 zł"});
        Fill(
            "RadioGroupPlec1:1;SkladkaSrednia=2400;KwotaPoczatkowa=1000;OplataZE=2;ZyskFE=6;InflacjaRoczna=3;"
            "DateTimeRokPrzystapienia=2010-01-01;TrackBarWiek1:40;TrackBarLata1:15");
        Press("PrzeliczFE");
    };
    // The second-pillar page's rows: the third pillar writes into the same ones.
    const FundProjectionRows& rows = window->TabSheet6->Rows();
    const std::map<std::string, const std::vector<double>*> years = {
        {"Salary", &rows.Salary}, {"Paid", &rows.Paid}, {"Capital", &rows.Capital}};
    const int compared = ReadReference(
        TOLVEX_FUNDS_REFERENCE, project, [&](const std::string& name, const std::string& value) {
            const auto year = years.find(name.substr(0, name.find('[')));
            if (year == years.end()) {
                EXPECT_EQ(OnPage(name), value) << name;
            } else {
                EXPECT_EQ(year->second->at(std::stoul(name.substr(name.find('[') + 1))), std::stod(value))
                    << name;
            }
        });
    EXPECT_EQ(compared, 494);
    EXPECT_EQ(rows.Salary[1], 2500) << "the third pillar leaves the salaries";
    expectReport(
        "Drukuj2", 1440,
        {"WYNIKI OBLICZEŃ EMERYTURY III FILAR", "LP", "LATA", "WPŁATY(zł)", "KAPITAŁ(zł)", "PROWIZJA(%)"},
        {"21", "2030", "51 400,00", "99 312,68", "8,00"},
        {"   Realny zysk w skali roku FE: 6%", "   Inflacja w skali roku: 3%",
         "   Okres w latach pobierania emerytury: 15 lat", "  DANE WYJŚCIOWE",
         "  Zebrany kapitał: Kapitał 99 313 zł", "  Wysokość emerytury: 541 zł"});
    ExpectShown("Wplacono MiesiecznaEmerytura Kapital1 MiesiecznaEmerytura1", true);
    Choose("RadioGroupPlec", 1);
    ExpectShown("Wplacono MiesiecznaEmerytura", false);
}

TEST_F(PensionPagesTest, FundBadInput) {
    Start();
    // Results beyond the numbers: the last good grid stays, the results it showed do not.
    Press("PrzeliczOFE");
    Fill("WynagrodzenieBrutto=1E300;Wzrost=100");
    Press("PrzeliczOFE");
    EXPECT_EQ(Messages(), Texts{std::string(kOutOfRangeMessage)});
    ExpectShown("Kapital MiesiecznaEmerytura", false);
    EXPECT_EQ(Find<QTableWidget>("Tabelka")->rowCount(), 53);

    // So is a monthly contribution whose year is beyond the numbers.
    Edit("SkladkaMiesieczna")->setText("1E308");
    EXPECT_EQ(Messages(), Texts{std::string(kOutOfRangeMessage)});
    EXPECT_EQ(Strs("SkladkaMiesieczna SkladkaSrednia"), "|0,00");

    for (const char* name :
         {"WynagrodzenieBrutto", "Prowizja", "Oplata", "Zysk", "Wzrost", "SkladkaSrednia",
          "SkladkaMiesieczna", "KwotaPoczatkowa", "ProwizjaFE", "OplataZE", "ZyskFE", "InflacjaRoczna"}) {
        SCOPED_TRACE(name);
        for (QWidget* w = Find(name); w; w = w->parentWidget())
            if (qobject_cast<FundPage*>(w)) window->ShowPage(w);
        Type(name, "x");
        EXPECT_EQ(Messages(), Texts{"Błędnie napisana liczba "});
        EXPECT_EQ(Str(name), "");
        Leave(name);
        EXPECT_EQ(Str(name), "0,00");
        Click(name);
        EXPECT_EQ(Str(name), "");
    }
    // Spin fields come back within their range when left.
    for (const auto& [name, typed, kept] : {std::tuple{"ZyskFE", "1E300", "200"}, {"OplataZE", "-3", "0"}}) {
        Edit(name)->setText(typed);
        Leave(name);
        EXPECT_EQ(Str(name), kept);
    }
    Find<SpinEdit>("ZyskFE")->UpButton()->click();  // the arrows keep the range too
    Find<SpinEdit>("OplataZE")->UpButton()->click();
    EXPECT_EQ(Strs("ZyskFE OplataZE"), "200|1");
}

// Each keystroke used to rewrite the field being typed in, so "1000," became "1000" and
// the decimals were lost.
TEST_F(PensionPagesTest, FundTypedDecimalsAreKept) {
    Start();
    Type("SkladkaSrednia", "1000,5");
    EXPECT_EQ(Strs("SkladkaSrednia SkladkaMiesieczna"), "1000,5|83,375");
    Type("SkladkaMiesieczna", "100,25");
    EXPECT_EQ(Str("SkladkaSrednia"), "1203");
    Type("KwotaPoczatkowa", "1500,50");
    EXPECT_EQ(Str("KwotaPoczatkowa"), "1500,50");
    Leave("KwotaPoczatkowa");
    EXPECT_EQ(Str("KwotaPoczatkowa"), "1500,5");
}

}  // namespace
}  // namespace tolvex::testing
