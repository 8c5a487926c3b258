#include "payroll/skladki_zus_page.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "payroll/contribution_rates.h"
#include "payroll/salary.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/widget_fields.h"

namespace tolvex {

SkladkiZusPage::SkladkiZusPage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet2"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    grid->addWidget(Heading(QStringLiteral("PŁACI"), this), 0, 2);
    grid->addWidget(Heading(QStringLiteral("PŁACI"), this), 0, 3);
    grid->addWidget(Heading(QStringLiteral("UBEZPIECZENIE"), this), 1, 0);
    grid->addWidget(Heading(QStringLiteral("PROCENT"), this), 1, 1);
    grid->addWidget(Heading(QStringLiteral("PRACOWNIK"), this), 1, 2);
    grid->addWidget(Heading(QStringLiteral("FIRMA"), this), 1, 3);
    grid->addWidget(Heading(QStringLiteral("SUMARYCZNIE"), this), 1, 4);

    for (int i = 0; i < 24; ++i) {
        const QByteArray name = "Edit" + QByteArray::number(i + 1);
        Cells[i] = NamedEdit(this, name.constData(), QStringLiteral("0,00 zł"), true);
        Cells[i]->setAlignment(Qt::AlignRight);
    }
    for (int r = 0; r < 7; ++r) {
        const ContributionRow& row = kContributionRows[r];
        auto* caption = new QLabel(Q(row.caption), this);
        if (r == 5) {
            caption->setObjectName(QStringLiteral("LabelZdrowotne"));
            LabelZdrowotne = caption;
        }
        RateLabels[r] = new QLabel(Q(row.rateLabelText), this);
        RateLabels[r]->setObjectName(Q(row.rateLabel));
        RateLabels[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, r + 2, 0);
        grid->addWidget(RateLabels[r], r + 2, 1);
        grid->addWidget(Cells[r], r + 2, 2);
        grid->addWidget(Cells[r + 7], r + 2, 3);
        grid->addWidget(Cells[r + 14], r + 2, 4);
    }
    auto* total = new QLabel(QStringLiteral("R A Z E M "), this);
    QFont bold = total->font();
    bold.setBold(true);
    total->setFont(bold);
    grid->addWidget(total, 9, 0);
    for (int c = 0; c < 3; ++c) {
        Cells[21 + c]->setFont(bold);
        grid->addWidget(Cells[21 + c], 9, 2 + c);
    }
    for (int c = 2; c <= 4; ++c) grid->setColumnStretch(c, 1);

    Dodaj_odejmij_Zdrowotne = NamedButton(this, "Dodaj_odejmij_Zdrowotne", QStringLiteral("Bez zdrowotnego"));
    connect(Dodaj_odejmij_Zdrowotne, &QPushButton::clicked, this,
            &SkladkiZusPage::Dodaj_odejmij_ZdrowotneClick);

    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(ButtonRow({Dodaj_odejmij_Zdrowotne}));
    layout->addStretch(1);
}

void SkladkiZusPage::Dodaj_odejmij_ZdrowotneClick() {
    RunCalculation(window(), ctx_, &ToggleHealth);
}

}  // namespace tolvex
