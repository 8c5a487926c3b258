#pragma once

#include "widgets/common/page.h"

namespace tolvex {

class PlacePage : public Page {
    Q_OBJECT
public:
    PlacePage(UiContext& ctx, QWidget* parent = nullptr);

    void StartUp(const QDate& today) override;
    // Award state shared by the award, salary and pension calculations.
    void SetAwardFlag(bool on) { awardFlag_ = on; }
    bool AwardFlag() const { return awardFlag_; }
    void ResetAwardNet() { awardNetPerMultiple_ = 0; }
    double AwardNetPerMultiple() const { return awardNetPerMultiple_; }

public slots:
    // The information window's "OK": the allowances panel switched off, bonus in percent.
    void ResetAllowancesPanel();

private:
    bool awardFlag_ = false;
    double awardNetPerMultiple_ = 0;
};

}  // namespace tolvex
