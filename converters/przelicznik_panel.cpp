#include "converters/przelicznik_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "converters/converters.h"
#include "widgets/common/widget_fields.h"

namespace tolvex {
namespace {

QLineEdit* NewEdit(QWidget* parent, const char* name, bool readOnly, const QString& hint = {}) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(readOnly);
    e->setToolTip(hint);
    e->setMinimumWidth(70);
    e->setMaximumWidth(100);
    return e;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    return b;
}

// A converter group: the input with its button on the first row, one row per result.
class Group {
  public:
    Group(QWidget* parent, const QString& caption)
        : box_(new QGroupBox(caption, parent)), grid_(new QGridLayout(box_)) {
        grid_->setContentsMargins(6, 2, 6, 4);
        grid_->setHorizontalSpacing(6);
        grid_->setVerticalSpacing(2);
        grid_->setColumnStretch(3, 1);
    }
    Group& Row(const QString& label, QLineEdit* edit, QPushButton* button = nullptr, int column = 0) {
        const int row = column == 0 ? rows_++ : rows2_++;
        auto* l = new QLabel(label, box_);
        l->setToolTip(edit->toolTip());
        l->setBuddy(edit);
        grid_->addWidget(l, row, column);
        grid_->addWidget(edit, row, column + 1);
        if (button) grid_->addWidget(button, row, column + 2);
        return *this;
    }
    QGroupBox* Box() const { return box_; }

  private:
    QGroupBox* box_;
    QGridLayout* grid_;
    int rows_ = 0;
    int rows2_ = 0;
};

void ClearAll(std::initializer_list<QLineEdit*> edits) {
    for (auto* e : edits) e->clear();
}

}  // namespace

PrzelicznikPanel::PrzelicznikPanel(const UiContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("Panel4"));
    const QString przelicz = QStringLiteral("Przelicz");

    EditMinuty = NewEdit(this, "EditMinuty", false);
    EditLiczba = NewEdit(this, "EditLiczba", true);
    BitBtnPrzeliczMinuty = NewButton(this, "BitBtnPrzeliczMinuty", przelicz);
    Group minutes(this, QStringLiteral("Minuty na liczbę"));
    minutes.Row(QStringLiteral("Minuty"), EditMinuty, BitBtnPrzeliczMinuty)
        .Row(QStringLiteral("Liczba"), EditLiczba);

    EditMetrKwadrat = NewEdit(this, "EditMetrKwadrat", false);
    EditAr = NewEdit(this, "EditAr", true);
    EditAkr = NewEdit(this, "EditAkr", true);
    EditMorga = NewEdit(this, "EditMorga", true);
    EditHektar = NewEdit(this, "EditHektar", true);
    BitBtnPrzeliczpowierzchnie = NewButton(this, "BitBtnPrzeliczpowierzchnie", przelicz);
    Group area(this, QStringLiteral("Metr2 na jed. powierzchni"));
    area.Row(QStringLiteral("m2"), EditMetrKwadrat, BitBtnPrzeliczpowierzchnie)
        .Row(QStringLiteral("ar"), EditAr)
        .Row(QStringLiteral("akr"), EditAkr)
        .Row(QStringLiteral("Morga"), EditMorga)
        .Row(QStringLiteral("ha"), EditHektar);

    EditLitr = NewEdit(this, "EditLitr", false);
    EditBarylka = NewEdit(this, "EditBarylka", true, QStringLiteral("Baryłka petro"));
    EditGalon = NewEdit(this, "EditGalon", true, QStringLiteral("Galon USA"));
    Editkwarta = NewEdit(this, "Editkwarta", true, QStringLiteral("Kwarta"));
    EditGarniec =
        NewEdit(this, "EditGarniec", true, QStringLiteral("Garniec nowopolski, obowiązujący po 1819 roku"));
    EditBuszel = NewEdit(this, "EditBuszel", true, QStringLiteral("Buszel USA"));
    BitBtnPrzeliczObjetosc = NewButton(this, "BitBtnPrzeliczObjetosc", przelicz,
                                       QStringLiteral("Przeliczenie litra na inne jednostko objętości"));
    Group volume(this, QStringLiteral("dm3(litr) na inne jednostki objętości"));
    volume.Row(QStringLiteral("dm3(litr)"), EditLitr, BitBtnPrzeliczObjetosc)
        .Row(QStringLiteral("baryłka"), EditBarylka)
        .Row(QStringLiteral("galon"), EditGalon)
        .Row(QStringLiteral("kwarta"), Editkwarta)
        .Row(QStringLiteral("garniec"), EditGarniec)
        .Row(QStringLiteral("buszel"), EditBuszel);

    EdithPascal = NewEdit(this, "EdithPascal", false);
    EditmmSlupaHg = NewEdit(this, "EditmmSlupaHg", true);
    EditAtmosfera = NewEdit(this, "EditAtmosfera", true, QStringLiteral("Atmosfera fizyczna"));
    EditBar = NewEdit(this, "EditBar", true);
    EditmmSlupaWody = NewEdit(this, "EditmmSlupaWody", true);
    EditCalSlupaHg = NewEdit(this, "EditCalSlupaHg", true);
    BitBtnPrzeliczCisnienie = NewButton(this, "BitBtnPrzeliczCisnienie", przelicz);
    Group pressure(this, QStringLiteral("hPascal(100000Pa) na inne"));
    pressure.Row(QStringLiteral("hPa"), EdithPascal, BitBtnPrzeliczCisnienie)
        .Row(QStringLiteral("mm sł.Hg"), EditmmSlupaHg)
        .Row(QStringLiteral("atmosfera"), EditAtmosfera)
        .Row(QStringLiteral("bar"), EditBar)
        .Row(QStringLiteral("m sł.wody"), EditmmSlupaWody)
        .Row(QStringLiteral("cal sł.Hg"), EditCalSlupaHg);

    EditKonMechaniczny = NewEdit(this, "EditKonMechaniczny", false);
    EditKW = NewEdit(this, "EditKW", true);
    BitBtnPrzelicz = NewButton(this, "BitBtnPrzelicz", przelicz);
    Group power(this, QStringLiteral("KM na kW"));
    power.Row(QStringLiteral("KM"), EditKonMechaniczny, BitBtnPrzelicz).Row(QStringLiteral("kW"), EditKW);

    // The inputs that were not converted from are results too, so all three stay editable.
    EditCelsiusz = NewEdit(this, "EditCelsiusz", false);
    EditKelvin = NewEdit(this, "EditKelvin", false);
    EditFahrenheit = NewEdit(this, "EditFahrenheit", false);
    EditReaumer = NewEdit(this, "EditReaumer", true);
    EditRankin = NewEdit(this, "EditRankin", true);
    BitBtnPrzeliczTemperatureCelsiusza =
        NewButton(this, "BitBtnPrzeliczTemperatureCelsiusza", QStringLiteral("Przelicz Celsiusza"));
    BitBtnPrzeliczTemperatureKelvina =
        NewButton(this, "BitBtnPrzeliczTemperatureKelvina", QStringLiteral("Przelicz Kelvina"));
    BitBtnPrzeliczTemperatureFahrenheita =
        NewButton(this, "BitBtnPrzeliczTemperatureFahrenheita", QStringLiteral("Przelicz Fahrenhita"));
    Group temperature(this, QStringLiteral("Temperatura Celsiusza/Fahrenheita/Kelvina na inne"));
    temperature.Row(QStringLiteral("Celsiusza"), EditCelsiusz, BitBtnPrzeliczTemperatureCelsiusza)
        .Row(QStringLiteral("Kelvina"), EditKelvin, BitBtnPrzeliczTemperatureKelvina)
        .Row(QStringLiteral("Fahrenheita"), EditFahrenheit, BitBtnPrzeliczTemperatureFahrenheita)
        .Row(QStringLiteral("Reaumera"), EditReaumer, nullptr, 4)
        .Row(QStringLiteral("Rankine'a"), EditRankin, nullptr, 4);

    auto* heading = new QLabel(QStringLiteral("PRZELICZANIE JEDNOSTEK"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignHCenter);

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    auto* small = new QVBoxLayout;
    small->setSpacing(4);
    small->addWidget(minutes.Box());
    small->addWidget(power.Box());
    small->addStretch(1);
    grid->addWidget(area.Box(), 0, 0, Qt::AlignTop);
    grid->addWidget(volume.Box(), 0, 1);
    grid->addWidget(pressure.Box(), 0, 2);
    grid->addLayout(small, 1, 0);
    grid->addWidget(temperature.Box(), 1, 1, 1, 2, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(heading);
    layout->addLayout(grid);

    connect(BitBtnPrzeliczMinuty, &QPushButton::clicked, this, &PrzelicznikPanel::BitBtnPrzeliczMinutyClick);
    connect(BitBtnPrzeliczpowierzchnie, &QPushButton::clicked, this,
            &PrzelicznikPanel::BitBtnPrzeliczpowierzchnieClick);
    connect(BitBtnPrzeliczObjetosc, &QPushButton::clicked, this,
            &PrzelicznikPanel::BitBtnPrzeliczObjetoscClick);
    connect(BitBtnPrzeliczCisnienie, &QPushButton::clicked, this,
            &PrzelicznikPanel::BitBtnPrzeliczCisnienieClick);
    connect(BitBtnPrzelicz, &QPushButton::clicked, this, &PrzelicznikPanel::BitBtnPrzeliczClick);
    connect(BitBtnPrzeliczTemperatureCelsiusza, &QPushButton::clicked, this,
            &PrzelicznikPanel::BitBtnPrzeliczTemperatureCelsiuszaClick);
    connect(BitBtnPrzeliczTemperatureKelvina, &QPushButton::clicked, this,
            &PrzelicznikPanel::BitBtnPrzeliczTemperatureKelvinaClick);
    connect(BitBtnPrzeliczTemperatureFahrenheita, &QPushButton::clicked, this,
            &PrzelicznikPanel::BitBtnPrzeliczTemperatureFahrenheitaClick);
    connect(EditMinuty, &QLineEdit::textChanged, this, &PrzelicznikPanel::EditMinutyChange);
    connect(EditMetrKwadrat, &QLineEdit::textChanged, this, &PrzelicznikPanel::EditMetrKwadratChange);
    connect(EditLitr, &QLineEdit::textChanged, this, &PrzelicznikPanel::EditLitrChange);
    connect(EdithPascal, &QLineEdit::textChanged, this, &PrzelicznikPanel::EdithPascalChange);
    connect(EditKonMechaniczny, &QLineEdit::textChanged, this, &PrzelicznikPanel::EditKonMechanicznyChange);
    connect(EditCelsiusz, &QLineEdit::textChanged, this, &PrzelicznikPanel::EditCelsiuszChange);
    connect(EditKelvin, &QLineEdit::textChanged, this, &PrzelicznikPanel::EditKelvinChange);
    connect(EditFahrenheit, &QLineEdit::textChanged, this, &PrzelicznikPanel::EditFahrenheitChange);
}

void PrzelicznikPanel::BitBtnPrzeliczMinutyClick() {
    RunCalculation(this, ctx_, [](TextFields& f) { ConvertLinear(kMinutesConverter, f); });
}
void PrzelicznikPanel::BitBtnPrzeliczpowierzchnieClick() {
    RunCalculation(this, ctx_, [](TextFields& f) { ConvertLinear(kAreaConverter, f); });
}
void PrzelicznikPanel::BitBtnPrzeliczObjetoscClick() {
    RunCalculation(this, ctx_, [](TextFields& f) { ConvertLinear(kVolumeConverter, f); });
}
void PrzelicznikPanel::BitBtnPrzeliczCisnienieClick() {
    RunCalculation(this, ctx_, [](TextFields& f) { ConvertLinear(kPressureConverter, f); });
}
void PrzelicznikPanel::BitBtnPrzeliczClick() {
    RunCalculation(this, ctx_, [](TextFields& f) { ConvertLinear(kPowerConverter, f); });
}
void PrzelicznikPanel::BitBtnPrzeliczTemperatureCelsiuszaClick() {
    RunCalculation(this, ctx_, ConvertFromCelsius);
}
void PrzelicznikPanel::BitBtnPrzeliczTemperatureKelvinaClick() {
    RunCalculation(this, ctx_, ConvertFromKelvin);
}
void PrzelicznikPanel::BitBtnPrzeliczTemperatureFahrenheitaClick() {
    RunCalculation(this, ctx_, ConvertFromFahrenheit);
}

void PrzelicznikPanel::EditMinutyChange() {
    EditLiczba->clear();
}
void PrzelicznikPanel::EditMetrKwadratChange() {
    ClearAll({EditAr, EditAkr, EditMorga, EditHektar});
}
void PrzelicznikPanel::EditLitrChange() {
    ClearAll({EditBarylka, EditGalon, Editkwarta, EditGarniec, EditBuszel});
}
void PrzelicznikPanel::EdithPascalChange() {
    ClearAll({EditmmSlupaHg, EditAtmosfera, EditBar, EditmmSlupaWody, EditCalSlupaHg});
}
void PrzelicznikPanel::EditKonMechanicznyChange() {
    EditKW->clear();
}
// Each temperature input empties only Réaumur and Rankine: the other inputs keep their values.
void PrzelicznikPanel::EditCelsiuszChange() {
    ClearAll({EditReaumer, EditRankin});
}
void PrzelicznikPanel::EditKelvinChange() {
    ClearAll({EditReaumer, EditRankin});
}
void PrzelicznikPanel::EditFahrenheitChange() {
    ClearAll({EditReaumer, EditRankin});
}

}  // namespace tolvex
