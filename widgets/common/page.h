// One tab page of the main window. Pages build their own controls (members named as
// the controls, each carrying its name as objectName) and take their start values
// from the start-up sequence.
#pragma once

#include <QDate>
#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

#include "widgets/common/ui_context.h"

namespace tolvex {

class Page : public QWidget {
    Q_OBJECT
  public:
    Page(const QString& objectName, UiContext& ctx, QWidget* parent = nullptr) : QWidget(parent), ctx_(ctx) {
        setObjectName(objectName);
    }
    // The page's own start values; `today` is injected so tests can start on any day.
    virtual void StartUp(const QDate& today) { Q_UNUSED(today); }

  protected:
    // "Pomoc" for help topic `topic`; the main window connects it to its Pomoc…Click slot.
    QPushButton* MakeHelpButton(const QString& name, int topic,
                                const QString& hint = QStringLiteral("Pomoc dla tej zakładki")) {
        auto* b = new QPushButton(QStringLiteral("Pomoc"), this);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setProperty("helpTopic", topic);
        return b;
    }
    // An exit button; the main window connects it to its Wyjscie…Click slot.
    QPushButton* MakeExitButton(const QString& name, const QString& caption = QStringLiteral("&Wyjście")) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    }
    // A right-aligned row with the given buttons, for the bottom of a page.
    static QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        for (auto* b : buttons) row->addWidget(b);
        return row;
    }

    UiContext& ctx_;
};

}  // namespace tolvex
