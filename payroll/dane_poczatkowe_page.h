// "Dane pocz.": contribution percentages and who pays each contribution; locked
// against accidental change until "Edytuj" is pressed.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "widgets/common/page.h"

namespace tolvex {

class DanePoczatkowePage : public Page {
    Q_OBJECT
  public:
    DanePoczatkowePage(UiContext& ctx, QWidget* parent = nullptr);
    void StartUp(const QDate& today) override;

    QLineEdit *EditWypadkowe_proc, *EditEmerytalne_proc, *EditRentowe_proc, *EditRentowePracownik_Proc,
        *EditRentowePracodawca_Proc, *EditChorobowe_proc, *EditFundusz_proc, *EditZdrowotne_proc,
        *EditZdrowotne_proc_1, *EditFGSP_proc;
    QLineEdit* EditBRUTTO_OFE;
    QLineEdit* EditZUS_OFE;
    // CheckBox1..CheckBox14; index 0 is CheckBox1.
    std::array<QCheckBox*, 14> CheckBoxes{};
    QPushButton* Edytuj;
    QPushButton* Zablokuj;
    QPushButton* Pomoc4;

  public slots:
    void EdytujClick();
    void ZablokujClick();

  private:
    // The fields that unlocking makes editable, in the order it does so.
    std::array<QLineEdit*, 9> EditableRates() const;
    static void SetLocked(QLineEdit* edit, bool locked);
};

}  // namespace tolvex
