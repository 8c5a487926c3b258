#include "info/informacja_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "info/link_label.h"
#include "info/maker.h"

namespace tolvex {

TInformacja::TInformacja(const UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("TInformacja"));
    setWindowTitle(QStringLiteral("Informacja"));
    auto* layout = new QVBoxLayout(this);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl1"));
    auto* about = new QWidget(PageControl);
    auto* text = new QVBoxLayout(about);
    auto* title = new QLabel(QStringLiteral("TOLVEX – kalkulator finansowy"), about);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);
    auto* version = new QLabel(QStringLiteral("Wersja ") + maker::kVersion, about);
    auto* what = new QLabel(
        QStringLiteral(
            "Płace od brutto do netto ze składkami ZUS, składką zdrowotną i zaliczką podatku, koszt "
            "pracodawcy, emerytura netto i nagroda jubileuszowa; odsetki bankowe, podatkowe i ustawowe; "
            "raty kredytów z harmonogramem spłat; prognozy kapitału w II i III filarze oraz emerytura "
            "z ZUS; przeliczniki jednostek.\n\nWyniki mają charakter pomocniczy."),
        about);
    what->setWordWrap(true);
    auto* licence = new QLabel(
        QStringLiteral(
            "Program jest wolnym oprogramowaniem: można go rozpowszechniać i zmieniać na warunkach "
            "licencji GNU GPL w wersji 3 lub dowolnej późniejszej. Program udostępniany jest bez "
            "żadnej gwarancji."),
        about);
    licence->setWordWrap(true);
    LabelInternet =
        new LinkLabel(QStringLiteral("LabelInternet"), QStringLiteral("https://") + maker::kHomePage, about);
    LabelPoczta = new LinkLabel(QStringLiteral("LabelPoczta"), maker::kMail, about);
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(6);
    text->addWidget(what);
    text->addSpacing(6);
    text->addWidget(licence);
    text->addSpacing(10);
    text->addWidget(new QLabel(QStringLiteral("Strona programu:"), about));
    text->addWidget(LabelInternet);
    text->addWidget(new QLabel(QStringLiteral("Napisz do autora programu:"), about));
    text->addWidget(LabelPoczta);
    text->addStretch(1);
    PageControl->addTab(about, QStringLiteral("O programie"));
    layout->addWidget(PageControl, 1);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(90);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    connect(BitBtn1, &QPushButton::clicked, this, &TInformacja::BitBtn1Click);
    connect(LabelInternet, &LinkLabel::clicked, this, &TInformacja::LabelInternetClick);
    connect(LabelPoczta, &LinkLabel::clicked, this, &TInformacja::LabelPocztaClick);
    resize(480, 400);
}

void TInformacja::BitBtn1Click() {
    accept();
    emit okPressed();
}

void TInformacja::LabelInternetClick() {
    LabelInternet->setText(QStringLiteral("http://") + maker::kHomePage);
    if (ctx_.openUrl) ctx_.openUrl(LabelInternet->text());
    LabelInternet->setText(QStringLiteral("https://") + maker::kHomePage);
}

void TInformacja::LabelPocztaClick() {
    LabelPoczta->setText(QStringLiteral("mailto:") + maker::kMail);
    if (ctx_.openUrl) ctx_.openUrl(LabelPoczta->text());
    LabelPoczta->setText(maker::kMail);
}

}  // namespace tolvex
