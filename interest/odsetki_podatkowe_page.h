#pragma once

#include "widgets/common/page.h"

namespace tolvex {

class OdsetkiPodatkowePage : public Page {
    Q_OBJECT
public:
    OdsetkiPodatkowePage(UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tolvex
