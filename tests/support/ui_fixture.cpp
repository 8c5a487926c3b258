#include "support/ui_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QSlider>
#include <QTest>
#include <sstream>

#include "app/startup.h"
#include "info/informacja_dialog.h"
#include "support/field_list.h"
#include "widgets/common/widget_fields.h"

namespace tolvex::testing {

void MainWindowTest::Start(const QDate& today) {
    window = std::make_unique<TKalkulator_Finansowy>(sink);
    window->Context().execModal = [this](QDialog& dialog) {
        // The information window is the only modal dialog start-up shows; answer it.
        if (auto* info = qobject_cast<TInformacja*>(&dialog)) {
            info->BitBtn1->click();
            return static_cast<int>(QDialog::Accepted);
        }
        if (!answers_.empty()) {
            auto answer = std::move(answers_.front());
            answers_.pop_front();
            answer(dialog);
            return dialog.result();
        }
        ADD_FAILURE() << "unexpected modal dialog " << dialog.objectName().toStdString();
        return static_cast<int>(QDialog::Rejected);
    };
    StartUp(*window, today);
    window->show();
    QApplication::processEvents();
}

void MainWindowTest::TearDown() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected dialog(s) never opened";
    answers_.clear();
    EXPECT_TRUE(sink.messages.empty())
        << "unexpected message: " << (sink.messages.empty() ? "" : sink.messages.front().text);
    if (window) window->hide();
    window.reset();
}

QString MainWindowTest::Text(const char* name) const {
    return ControlText(window.get(), QString::fromUtf8(name));
}

std::string MainWindowTest::Strs(const std::string& names) const {
    std::istringstream list(names);
    std::string out;
    for (std::string name; list >> name;) out += "|" + Str(name.c_str());
    return out.substr(1);
}

void MainWindowTest::ExpectShown(const std::string& names, bool shown) const {
    std::istringstream list(names);
    for (std::string name; list >> name;) EXPECT_EQ(!Find(name.c_str())->isHidden(), shown) << name;
}

void MainWindowTest::Fill(std::string_view list) {
    ForEachField(list, [this](const std::string& name, const std::string& value, bool text) {
        if (text) return Set(name.c_str(), value);
        if (qobject_cast<RadioGroup*>(FindControl(window.get(), QString::fromStdString(name))))
            return Choose(name.c_str(), std::stoi(value));
        Find<QAbstractSlider>(name.c_str())->setValue(std::stoi(value));
    });
}

void MainWindowTest::Type(const char* name, const QString& text) {
    QLineEdit* e = Edit(name);
    if (!e) return;
    e->setFocus();
    e->selectAll();
    text.isEmpty() ? QTest::keyClick(e, Qt::Key_Delete) : QTest::keyClicks(e, text);
}

void MainWindowTest::Click(const char* name) {
    QWidget* w = Find(name);
    if (!w) return;
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
}

void MainWindowTest::Leave(const char* name) {
    QWidget* w = Find(name);
    if (!w) return;
    w->setFocus();
    w->clearFocus();
}

void MainWindowTest::Press(const char* buttonName) {
    if (auto* b = Find<QAbstractButton>(buttonName)) b->click();
}

}  // namespace tolvex::testing
