#pragma once

#include "widgets/common/page.h"

namespace tolvex {

class InformacjaPage : public Page {
    Q_OBJECT
public:
    InformacjaPage(UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tolvex
