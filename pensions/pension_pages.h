// The pension pages. Their calculators come later; the tabs already carry their
// help and exit buttons so the window is complete.
#pragma once

#include "widgets/common/page.h"

namespace tolvex {

class PensionPlaceholderPage : public Page {
    Q_OBJECT
public:
    PensionPlaceholderPage(const QString& objectName, const QString& helpName, int topic, const QString& helpHint,
                           const QString& exitName, UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace tolvex
