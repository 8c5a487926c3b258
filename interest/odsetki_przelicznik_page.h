#pragma once

#include "widgets/common/page.h"

namespace tolvex {

class OdsetkiPrzelicznikPage : public Page {
    Q_OBJECT
public:
    OdsetkiPrzelicznikPage(UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tolvex
