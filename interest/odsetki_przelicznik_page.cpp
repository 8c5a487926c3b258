#include "interest/odsetki_przelicznik_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "converters/przelicznik_panel.h"
#include "core/amount/amount.h"
#include "interest/bank_interest.h"
#include "widgets/amount/amount_field.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/radio_group.h"
#include "widgets/datetime/tdatetimedlg.h"

namespace tolvex {

OdsetkiPrzelicznikPage::OdsetkiPrzelicznikPage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet3"), ctx, parent) {
    DateTimePocz = Named(new TDateTimeDlg(ctx_, this), "DateTimePocz",
                         QStringLiteral("Data początkowa naliczania odsetek"));
    DateTimeKon =
        Named(new TDateTimeDlg(ctx_, this), "DateTimeKon", QStringLiteral("Data końcowa naliczania odsetek"));
    for (auto* d : {DateTimePocz, DateTimeKon}) d->ConfigureAsMainWindowDate(TIncrementScale::Day);
    EditKwota = Named(new QLineEdit(this), "EditKwota", QStringLiteral("Kwota oszczędności lub należności"));
    EditProcent =
        Named(new QLineEdit(this), "EditProcent", QStringLiteral("Aktualny procent do naliczenia odsetek"));
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Naliczanie odsetek "),
                                 {QStringLiteral("Roczne"), QStringLiteral("Dzienne")}, 1, this);
    RadioGroup1->SetItemIndex(0);
    EditOdsetki = Named(new QLineEdit(this), "EditOdsetki",
                        QStringLiteral("Wyliczone odsetki od oszczędności lub należności"));
    EditOdsetki->setReadOnly(true);
    EditLaczna = Named(new QLineEdit(this), "EditLaczna");
    EditLaczna->setReadOnly(true);
    MemoWynik = Named(new QPlainTextEdit(this), "MemoWynik");
    MemoWynik->setReadOnly(true);
    MemoWynik->setFixedHeight(MemoWynik->fontMetrics().lineSpacing() * 2 + 12);
    LabelJakNaliczane =
        Named(new QLabel(QStringLiteral("Odsetki naliczane w skali roku"), this), "LabelJakNaliczane");
    Wylicz_Odsetki = Named(new QPushButton(QStringLiteral("Wylicz &odsetki"), this), "Wylicz_Odsetki",
                           QStringLiteral("Wyliczanie odsetek od podanej kwoty dla wybranego okresu czasu i "
                                          "oprocentowania"));
    pomoc2 = MakeHelpButton(QStringLiteral("pomoc2"), 2);
    WyjsciePom1 = MakeExitButton(QStringLiteral("WyjsciePom1"));
    Panel4 = new PrzelicznikPanel(ctx_, this);

    AttachAmountField(EditKwota, rules::Check(ClickRule::ClearPlaceholder), ctx_);
    AttachAmountField(EditProcent, rules::Check(ClickRule::ClearPlaceholder), ctx_);
    AttachAmountField(EditOdsetki, rules::Result(), ctx_);
    connect(EditProcent, &QLineEdit::textChanged, this, &OdsetkiPrzelicznikPage::EditProcentChange);
    connect(RadioGroup1, &RadioGroup::clicked, this, &OdsetkiPrzelicznikPage::RadioGroup1Click);
    connect(Wylicz_Odsetki, &QPushButton::clicked, this, &OdsetkiPrzelicznikPage::Wylicz_OdsetkiClick);

    auto* interest = new QGroupBox(QStringLiteral("NALICZANIE ODSETEK"), this);
    auto* grid = new QGridLayout(interest);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(4);
    grid->addWidget(Caption(QStringLiteral("Od dnia"), DateTimePocz, interest), 0, 0);
    grid->addWidget(DateTimePocz, 0, 1);
    grid->addWidget(Caption(QStringLiteral("Do dnia"), DateTimeKon, interest), 1, 0);
    grid->addWidget(DateTimeKon, 1, 1);
    grid->addWidget(Caption(QStringLiteral("Kwota "), EditKwota, interest), 0, 2);
    grid->addWidget(EditKwota, 0, 3);
    grid->addWidget(Caption(QStringLiteral("% odsetek"), EditProcent, interest), 1, 2);
    grid->addWidget(EditProcent, 1, 3);
    grid->addWidget(RadioGroup1, 0, 4, 2, 1);
    grid->addWidget(Wylicz_Odsetki, 0, 5, 2, 1, Qt::AlignVCenter);
    grid->addWidget(Caption(QStringLiteral("Wyliczone odsetki"), EditOdsetki, interest), 2, 0);
    grid->addWidget(EditOdsetki, 2, 1);
    grid->addWidget(Caption(QStringLiteral("Kwota z odsetkami"), EditLaczna, interest), 2, 2);
    grid->addWidget(EditLaczna, 2, 3);
    grid->addWidget(LabelJakNaliczane, 2, 4, 1, 2);
    grid->addWidget(MemoWynik, 3, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(interest);
    layout->addWidget(Panel4);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({pomoc2, WyjsciePom1}));
}

void OdsetkiPrzelicznikPage::StartUp(const QDate& today) {
    const QString date = DateText(today);
    DateTimePocz->setText(date);
    DateTimeKon->setText(date);
    EditKwota->setText(QStringLiteral("0,00"));
    EditProcent->setText(QStringLiteral("0,00"));
    SetRateLabel();
    EditOdsetki->setText(QStringLiteral("0,00 zł"));
}

void OdsetkiPrzelicznikPage::SetRateLabel() {
    const auto mode = RadioGroup1->ItemIndex() == 1 ? BankInterestMode::Daily : BankInterestMode::Annual;
    LabelJakNaliczane->setText(Q(RateLabelText(mode, S(EditProcent->text()))));
}

void OdsetkiPrzelicznikPage::EditProcentChange() {
    SetRateLabel();
}

void OdsetkiPrzelicznikPage::RadioGroup1Click() {
    ClearResultText();
    SetRateLabel();
}

void OdsetkiPrzelicznikPage::ClearResultText() {
    QStringList lines = MemoWynik->toPlainText().split(QLatin1Char('\n'));
    for (qsizetype i = lines.size() - 1; i >= 0; --i)
        if (!lines[i].isEmpty()) lines.removeAt(i);
    MemoWynik->setPlainText(lines.join(QLatin1Char('\n')));
}

void OdsetkiPrzelicznikPage::SetFirstMemoLine(const QString& line) {
    QStringList lines = MemoWynik->toPlainText().split(QLatin1Char('\n'));
    lines[0] = line;
    MemoWynik->setPlainText(lines.join(QLatin1Char('\n')));
}

void OdsetkiPrzelicznikPage::Wylicz_OdsetkiClick() {
    ClearResultText();
    try {
        BankInterestInput in;
        in.Start = ParseDate(S(DateTimePocz->text()));
        in.End = ParseDate(S(DateTimeKon->text()));
        in.RateText = S(EditProcent->text());
        in.AmountText = S(EditKwota->text());
        in.Mode = RadioGroup1->ItemIndex() == 1 ? BankInterestMode::Daily : BankInterestMode::Annual;
        const BankInterestResult r = CalculateBankInterest(in);
        if (!r.Message.empty()) return ctx_.Say(r.Message);
        EditOdsetki->setText(Q(r.Odsetki));
        EditLaczna->setText(Q(r.Laczna));
        SetFirstMemoLine(Q(r.Sentence));
    } catch (const ConversionError& error) {
        ctx_.Say(error.what());
    }
}

}  // namespace tolvex
