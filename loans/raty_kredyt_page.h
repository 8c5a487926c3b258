#pragma once

#include "widgets/common/page.h"

namespace tolvex {

class RatyKredytPage : public Page {
    Q_OBJECT
public:
    RatyKredytPage(UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tolvex
