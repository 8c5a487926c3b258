// The information window, shown once at start-up before the main window appears.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

#include "widgets/common/ui_context.h"

namespace tolvex {

class LinkLabel;

class TInformacja : public QDialog {
    Q_OBJECT
  public:
    explicit TInformacja(const UiContext& ctx, QWidget* parent = nullptr);

    QTabWidget* PageControl;
    LinkLabel* LabelPoczta;
    LinkLabel* LabelInternet;
    QPushButton* BitBtn1;

  signals:
    // "OK" was pressed: the main window puts the allowances panel in its start state.
    void okPressed();

  public slots:
    void BitBtn1Click();
    void LabelInternetClick();
    void LabelPocztaClick();

  private:
    const UiContext& ctx_;
};

}  // namespace tolvex
