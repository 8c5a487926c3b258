#pragma once

#include "widgets/common/page.h"

namespace tolvex {

class SkladkiZusPage : public Page {
    Q_OBJECT
public:
    SkladkiZusPage(UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tolvex
