// "Informacja": where to find the program and how to write to its author.
#pragma once

#include <QLabel>

#include "widgets/common/page.h"

namespace tolvex {

class LinkLabel;

class InformacjaPage : public Page {
    Q_OBJECT
  public:
    InformacjaPage(UiContext& ctx, QWidget* parent = nullptr);

    QLabel* LabelInformacja;
    LinkLabel* LabelInternet;
    QLabel* LabelInformacja1;
    LinkLabel* LabelPoczta;

  public slots:
    void LabelInternetClick();
    void LabelPocztaClick();
    void InformacjaDragDrop();

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace tolvex
