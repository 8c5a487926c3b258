// The program's own help: one short Polish topic per calculator page, opened by number.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace tolvex {

QString HelpTopic(int contextNumber);

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void ShowTopic(int contextNumber);
    QString CurrentTopic() const;

  private:
    QTextBrowser* browser_;
};

}  // namespace tolvex
