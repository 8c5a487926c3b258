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
    auto* reklama = new QWidget(PageControl);
    auto* text = new QVBoxLayout(reklama);
    auto* title = new QLabel(QStringLiteral("TOLVEX – kalkulator finansowy"), reklama);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);
    auto* about = new QLabel(
        QStringLiteral("Płace brutto i netto ze składkami ZUS i zaliczką podatku, odsetki bankowe, podatkowe i "
                       "ustawowe, raty kredytów, prognozy emerytur oraz przeliczniki jednostek – w jednym "
                       "okienku.\n\nInne programy autora: ewidencja czasu pracy, książka przychodów i "
                       "rozchodów, fakturowanie."),
        reklama);
    about->setWordWrap(true);
    auto* address = new QLabel(maker::kName + QLatin1Char('\n') + maker::kAddress + QLatin1Char('\n') + maker::kPhone,
                               reklama);
    LabelPoczta = new LinkLabel(QStringLiteral("LabelPoczta"), maker::kMail, reklama);
    LabelInternet = new LinkLabel(QStringLiteral("LabelInternet"), QStringLiteral("https://") + maker::kHomePage, reklama);
    text->addWidget(title);
    text->addWidget(about);
    text->addSpacing(10);
    text->addWidget(address);
    text->addWidget(LabelPoczta);
    text->addWidget(LabelInternet);
    text->addStretch(1);
    PageControl->addTab(reklama, QStringLiteral("Reklama"));
    layout->addWidget(PageControl, 1);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(90);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    connect(BitBtn1, &QPushButton::clicked, this, &TInformacja::BitBtn1Click);
    connect(LabelInternet, &LinkLabel::clicked, this, &TInformacja::LabelInternetClick);
    connect(LabelPoczta, &LinkLabel::clicked, this, &TInformacja::LabelPocztaClick);
    resize(460, 340);
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
