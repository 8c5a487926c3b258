// Each calculation as a user triggers it: fields filled, the page's button pressed, the
// results and grids written back. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/startup.h"
#include "info/informacja_dialog.h"
#include "widgets/common/radio_group.h"
#include "widgets/printing/qt_print_canvas.h"

namespace tolvex {
namespace {

class CountingSink : public MessageSink {
  public:
    using MessageSink::Show;
    void Show(const Message& message) override { last = message.text, ++count; }
    std::string last;
    int count = 0;
};

// The main window started on a fixed day, shown, the information window answered.
class Program {
  public:
    Program() : window(sink) {
        window.Context().execModal = [](QDialog& dialog) {
            if (auto* info = qobject_cast<TInformacja*>(&dialog)) info->BitBtn1->click();
            return dialog.result();
        };
        StartUp(window, QDate(2025, 3, 15));
        window.BuildDeferredControls();  // controls of every page looked up by name
        window.show();
        QApplication::processEvents();
    }
    void Set(const char* name, const char* text) {
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(text));
    }
    void Choose(const char* group, int item) {
        window.findChild<RadioGroup*>(QString::fromLatin1(group))->Button(item)->click();
    }
    QAbstractButton* Button(const char* name) {
        return window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }
    QString Text(const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }

    // Presses `button` for every iteration; a message means the case measures an error path.
    void Measure(benchmark::State& state, const char* button, int allowedMessages = 0) {
        QAbstractButton* b = Button(button);
        for (auto _ : state) b->click();
        if (sink.count > allowedMessages * static_cast<int>(state.iterations()))
            state.SkipWithError(("unexpected message: " + sink.last).c_str());
    }

    CountingSink sink;
    TKalkulator_Finansowy window;
};

void Salary(benchmark::State& state) {
    Program p;
    p.Set("EditPlacaBrutto", "5000");
    p.Measure(state, "Wylicz");
    if (p.Text("Edit_Netto") != QStringLiteral("3738,19")) state.SkipWithError("wrong net salary");
}

void Loan600Months(benchmark::State& state) {
    Program p;
    p.Choose("RadioGroup4", 1);
    p.Choose("RadioGroup3", static_cast<int>(state.range(0)));
    p.Set("KredytBankowy", "300000");
    p.Set("OkresBankowyKredytu", "600");
    p.Set("ProcentBankowy", "7");
    p.Measure(state, "PrzeliczRaty");
}

void StatutoryInterest35Years(benchmark::State& state) {
    Program p;
    p.Set("DateTimePocz1", "1990-01-01");
    p.Set("DateTimeKon1", "2025-01-01");
    p.Set("EditKwota1", "10000");
    p.window.findChild<RadioGroup*>(QStringLiteral("RadioGroup2"))->SetItemIndex(1);
    p.Measure(state, "WyliczOdsetki_Pod_Ust");
}

void ZusPension(benchmark::State& state) {
    Program p;
    p.Set("DateTimeDataUrodzenia", "1980-02-29");
    p.Measure(state, "PrzeliczZUS");
}

void LoanPrintout360Rows(benchmark::State& state) {
    QTemporaryDir folder;
    qputenv(kPrintToPdfVariable, folder.path().toLocal8Bit());
    Program p;
    p.Choose("RadioGroup4", 1);
    p.Set("KredytBankowy", "300000");
    p.Set("OkresBankowyKredytu", "360");
    p.Set("ProcentBankowy", "7");
    p.Button("PrzeliczRaty")->click();
    p.Measure(state, "DrukujRaty", 1);  // where the PDF went
    qunsetenv(kPrintToPdfVariable);
}

BENCHMARK(Salary)->Unit(benchmark::kMicrosecond);
BENCHMARK(Loan600Months)->ArgName("decreasing")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(StatutoryInterest35Years)->Unit(benchmark::kMicrosecond);
BENCHMARK(ZusPension)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoanPrintout360Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvex

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
