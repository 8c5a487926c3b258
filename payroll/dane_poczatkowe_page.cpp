#include "payroll/dane_poczatkowe_page.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/amount/amount.h"
#include "payroll/contribution_rates.h"
#include "widgets/amount/amount_field.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/widget_fields.h"

namespace tolvex {

DanePoczatkowePage::DanePoczatkowePage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet5"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 8);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);
    grid->addWidget(Heading(QStringLiteral("KTO OPŁACA"), this), 0, 3, 1, 2);
    grid->addWidget(Heading(QStringLiteral("UBEZPIECZENIE"), this), 1, 0);
    grid->addWidget(Heading(QStringLiteral("PROCENT"), this), 1, 1);
    grid->addWidget(Heading(QStringLiteral("POD."), this), 1, 2);
    grid->addWidget(Heading(QStringLiteral("PRACOWNIK"), this), 1, 3);
    grid->addWidget(Heading(QStringLiteral("FIRMA"), this), 1, 4);

    QLineEdit** percent[] = {&EditWypadkowe_proc, &EditEmerytalne_proc, &EditRentowe_proc,
                             &EditChorobowe_proc, &EditFundusz_proc,    &EditZdrowotne_proc,
                             &EditFGSP_proc};
    for (int r = 0; r < 7; ++r) {
        const ContributionRow& row = kContributionRows[r];
        auto* e = new QLineEdit(Q(row.percentText), this);
        e->setObjectName(Q(row.percentField));
        e->setMaximumWidth(90);
        *percent[r] = e;
        grid->addWidget(new QLabel(Q(row.caption), this), r + 2, 0);
        grid->addWidget(e, r + 2, 1);
        CheckBoxes[r] = new QCheckBox(this);
        CheckBoxes[r]->setObjectName(Q(row.employeeBox));
        CheckBoxes[r]->setChecked(row.employeeTicked);
        CheckBoxes[r + 7] = new QCheckBox(this);
        CheckBoxes[r + 7]->setObjectName(Q(row.employerBox));
        CheckBoxes[r + 7]->setChecked(row.employerTicked);
        grid->addWidget(CheckBoxes[r], r + 2, 3, Qt::AlignCenter);
        grid->addWidget(CheckBoxes[r + 7], r + 2, 4, Qt::AlignCenter);
    }
    EditZdrowotne_proc->setToolTip(QStringLiteral("Całkowity procent składki zdrowotnej"));

    // The disability total is the sum of the employee's and the employer's part.
    EditRentowePracownik_Proc = NamedEdit(this, "EditRentowePracownik_Proc", QStringLiteral("1,5"), false,
                                          QStringLiteral("Pracownik"));
    EditRentowePracodawca_Proc = NamedEdit(this, "EditRentowePracodawca_Proc", QStringLiteral("6,5"), false,
                                           QStringLiteral("Pracodawca"));
    auto* parts = new QHBoxLayout;
    parts->addWidget(EditRentowePracownik_Proc);
    parts->addWidget(EditRentowePracodawca_Proc);
    grid->addLayout(parts, 4, 2);
    for (auto* e : {EditRentowePracownik_Proc, EditRentowePracodawca_Proc}) e->setMaximumWidth(56);
    EditZdrowotne_proc_1 = NamedEdit(this, "EditZdrowotne_proc_1", QStringLiteral("9,00"), false,
                                     QStringLiteral("Procent składki zdrowotnej płacony przez pracownika"));
    EditZdrowotne_proc_1->setMaximumWidth(56);
    grid->addWidget(EditZdrowotne_proc_1, 7, 2, Qt::AlignLeft);
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding), 2, 5);
    grid->setColumnStretch(5, 1);
    layout->addLayout(grid);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addSpacing(8);
    layout->addWidget(line);

    EditBRUTTO_OFE = NamedEdit(this, "EditBRUTTO_OFE", QStringLiteral("2,8"), false,
                               QStringLiteral("Procentowa wielkość składek przekazywana przez ZUS do II "
                                              "OFE(do obliczenia Emeryt II)"));
    EditZUS_OFE = NamedEdit(this, "EditZUS_OFE", QStringLiteral("14,3442"), true,
                            QStringLiteral("procent składki przekazywanej z ZUS do II OFE"));
    auto* ofe = new QGridLayout;
    ofe->addWidget(
        new QLabel(QStringLiteral("Procent zarobku brutto(bez kosztów) przekazywany do II filaru OFE"), this),
        0, 0);
    ofe->addWidget(EditBRUTTO_OFE, 0, 1);
    ofe->addWidget(
        new QLabel(QStringLiteral("Procent składki emerytalnej przekazywanej z ZUS do II filaru OFE"), this),
        1, 0);
    ofe->addWidget(EditZUS_OFE, 1, 1);
    ofe->setColumnStretch(2, 1);
    EditBRUTTO_OFE->setMaximumWidth(90);
    EditZUS_OFE->setMaximumWidth(90);
    layout->addLayout(ofe);
    layout->addStretch(1);

    Edytuj = NamedButton(this, "Edytuj", QStringLiteral("&Edytuj"),
                         QStringLiteral("Kliknięcie tego przycisku pozwala zmienić procent składek ZUS"));
    Zablokuj = NamedButton(this, "Zablokuj", QStringLiteral("&Zablokuj"),
                           QStringLiteral("Blokuje wprowadzanie zmian "));
    Pomoc4 = MakeHelpButton(QStringLiteral("Pomoc4"), 4);
    layout->addLayout(ButtonRow({Edytuj, Zablokuj, Pomoc4}));
    connect(Edytuj, &QPushButton::clicked, this, &DanePoczatkowePage::EdytujClick);
    connect(Zablokuj, &QPushButton::clicked, this, &DanePoczatkowePage::ZablokujClick);

    for (auto* e : {EditWypadkowe_proc, EditEmerytalne_proc, EditChorobowe_proc, EditFundusz_proc,
                    EditZdrowotne_proc, EditFGSP_proc})
        AttachAmountField(e, rules::CheckLateConvert(), ctx_);
    AttachAmountField(EditRentowe_proc,
                      rules::Make(ChangeRule::Check, ClickRule::None, ExitRule::FillAndConvert), ctx_);

    // Locked at design time: flat and read-only, boxes showing their state but disabled.
    for (auto* e : EditableRates()) SetLocked(e, true);
    SetLocked(EditRentowe_proc, true);
    SetLocked(EditZUS_OFE, true);
    for (auto* b : CheckBoxes) b->setEnabled(false);
}

std::array<QLineEdit*, 9> DanePoczatkowePage::EditableRates() const {
    return {EditWypadkowe_proc,         EditEmerytalne_proc,  EditRentowePracownik_Proc,
            EditRentowePracodawca_Proc, EditChorobowe_proc,   EditFundusz_proc,
            EditZdrowotne_proc,         EditZdrowotne_proc_1, EditFGSP_proc};
}

void DanePoczatkowePage::SetLocked(QLineEdit* edit, bool locked) {
    edit->setFrame(!locked);
    edit->setReadOnly(locked);
}

void DanePoczatkowePage::StartUp(const QDate&) {
    Edytuj->show();
    Zablokuj->hide();
}

void DanePoczatkowePage::EdytujClick() {
    Edytuj->hide();
    Zablokuj->show();
    for (auto* e : EditableRates()) SetLocked(e, false);
    for (auto* b : CheckBoxes) b->setEnabled(true);
    SetLocked(EditZUS_OFE, false);
}

void DanePoczatkowePage::ZablokujClick() {
    WidgetFieldSource source(window());
    TextFields fields(source);
    try {
        WriteLockedRates(fields);
    } catch (const ConversionError& error) {
        ctx_.Say(error.what());
        return;
    }
    Edytuj->show();
    Zablokuj->hide();
    SetLocked(EditRentowe_proc, true);
    for (auto* e : EditableRates()) SetLocked(e, true);
    for (auto* b : CheckBoxes) b->setEnabled(false);
    ApplyEffects(window(), fields.Effects(), ctx_);
    SetLocked(EditZUS_OFE, true);
}

}  // namespace tolvex
