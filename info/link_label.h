// A label that looks and acts like a link: blue, underlined, clickable.
#pragma once

#include <QLabel>

namespace tolvex {

class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);
    void SetLinkLook();

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tolvex
