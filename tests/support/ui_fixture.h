// One fixture for page tests: the main window built and started on a chosen day, every
// message recorded, controls found by name. A message nobody expected fails the test.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <deque>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "support/recording_message_sink.h"
#include "widgets/common/radio_group.h"

namespace tolvex::testing {

class MainWindowTest : public ::testing::Test {
  protected:
    void TearDown() override;

    // Builds the window, runs start-up on `today` (answering the information window
    // with "OK") and shows the window.
    void Start(const QDate& today = QDate(2025, 3, 15));

    template <class T = QWidget>
    T* Find(const char* name) const {
        T* w = window->findChild<T*>(QString::fromUtf8(name));
        if (!w) {  // on a page not built yet
            window->BuildDeferredControls();
            w = window->findChild<T*>(QString::fromUtf8(name));
        }
        if (!w && window->objectName() == QString::fromUtf8(name)) w = qobject_cast<T*>(window.get());
        EXPECT_NE(w, nullptr) << "no control " << name;
        return w;
    }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QString Text(const char* name) const;
    std::string Str(const char* name) const { return Text(name).toStdString(); }
    // The texts of the space-separated `names`, joined by "|".
    std::string Strs(const std::string& names) const;
    void ExpectShown(const std::string& names, bool shown) const;

    // Sets a text at once, not key by key.
    void Set(const char* name, const std::string& text) { Edit(name)->setText(QString::fromStdString(text)); }
    void Choose(const char* group, int item) { Find<RadioGroup>(group)->Button(item)->click(); }
    // Sets the fields of a "Name=text;Name:number" list in order; a number picks a radio
    // group's item or moves a slider.
    void Fill(std::string_view list);

    // Replaces the text as a user would: select all, type.
    void Type(const char* name, const QString& text);
    // Mouse press and release inside the control.
    void Click(const char* name);
    // Gives the control the focus, then moves it away.
    void Leave(const char* name);
    void Press(const char* buttonName);

    // The next modal dialog (other than the information window) goes to `answer`, which
    // fills and clicks it as a user would. A dialog nobody expects still fails the test, and
    // so does an expected one that never opens.
    void AnswerNextDialog(std::function<void(QDialog&)> answer) { answers_.push_back(std::move(answer)); }

    // Messages shown since the last call, in order; they count as expected.
    std::vector<std::string> Messages() { return sink.Take(); }

    RecordingMessageSink sink;
    std::unique_ptr<TKalkulator_Finansowy> window;

  private:
    std::deque<std::function<void(QDialog&)>> answers_;
};

}  // namespace tolvex::testing
