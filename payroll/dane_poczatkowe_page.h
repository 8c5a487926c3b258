#pragma once

#include "widgets/common/page.h"

namespace tolvex {

class DanePoczatkowePage : public Page {
    Q_OBJECT
public:
    DanePoczatkowePage(UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tolvex
