#include "info/informacja_page.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QVBoxLayout>

#include "info/link_label.h"
#include "info/maker.h"

namespace tolvex {

InformacjaPage::InformacjaPage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("Informacja"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 40, 40, 40);
    layout->setSpacing(10);
    LabelInformacja =
        new QLabel(QStringLiteral("Jeżeli podoba Ci się program TOLVEX to odwiedź jego stronę:"), this);
    LabelInformacja->setObjectName(QStringLiteral("LabelInformacja"));
    LabelInternet = new LinkLabel(QStringLiteral("LabelInternet"), maker::kHomePage, this);
    LabelInformacja1 = new QLabel(QStringLiteral("Napisz do autora programu:"), this);
    LabelInformacja1->setObjectName(QStringLiteral("LabelInformacja1"));
    LabelPoczta = new LinkLabel(QStringLiteral("LabelPoczta"), maker::kMail, this);
    layout->addWidget(LabelInformacja);
    layout->addWidget(LabelInternet);
    layout->addSpacing(20);
    layout->addWidget(LabelInformacja1);
    layout->addWidget(LabelPoczta);
    layout->addStretch(1);
    setAcceptDrops(true);
    connect(LabelInternet, &LinkLabel::clicked, this, &InformacjaPage::LabelInternetClick);
    connect(LabelPoczta, &LinkLabel::clicked, this, &InformacjaPage::LabelPocztaClick);
}

void InformacjaPage::LabelInternetClick() {
    LabelInternet->setText(maker::kProgramPage);
    if (ctx_.openUrl) ctx_.openUrl(LabelInternet->text());
    LabelInternet->setText(maker::kHomePage);
}

void InformacjaPage::LabelPocztaClick() {
    LabelPoczta->setText(QStringLiteral("mailto:") + maker::kMail);
    if (ctx_.openUrl) ctx_.openUrl(LabelPoczta->text());
    LabelPoczta->setText(maker::kMail);
}

void InformacjaPage::InformacjaDragDrop() {
    LabelInternet->SetLinkLook();
    LabelInternet->setText(maker::kProgramPage);
}

void InformacjaPage::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void InformacjaPage::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    InformacjaDragDrop();
}

}  // namespace tolvex
