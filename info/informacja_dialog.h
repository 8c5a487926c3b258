// The information window shown once, modally, before the main window takes input.
#pragma once

#include <QDialog>
#include <QPushButton>

namespace tolvex {

class TInformacja : public QDialog {
    Q_OBJECT
public:
    explicit TInformacja(QWidget* parent = nullptr);

    QPushButton* BitBtn1;

signals:
    // "OK" was pressed: the main window puts the allowances panel in its start state.
    void okPressed();

public slots:
    void BitBtn1Click();
};

}  // namespace tolvex
