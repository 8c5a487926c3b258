// A date field on its own, with every message recorded and every dialog answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <functional>
#include <memory>

#include "support/recording_message_sink.h"
#include "widgets/datetime/tdatetimedlg.h"

namespace tolvex::testing {

class DateFieldFixture : public ::testing::Test {
  protected:
    DateFieldFixture() {
        ctx.messages = &sink;
        ctx.execModal = [this](QDialog& d) {
            ++opened;
            if (answer) return answer(d);
            ADD_FAILURE() << "unexpected dialog " << d.objectName().toStdString();
            return static_cast<int>(QDialog::Rejected);
        };
        field = std::make_unique<TDateTimeDlg>(ctx);
        field->resize(200, 24);
    }
    ~DateFieldFixture() override {
        EXPECT_TRUE(sink.messages.empty()) << "unexpected message: " << sink.messages.front().text;
    }
    // Answers a dialog of type D: `choose` runs on it, then its Select or Cancel button is pressed.
    template <class D>
    void Answer(std::function<void(D&)> choose, bool accept = true) {
        answer = [choose, accept](QDialog& d) {
            auto* dlg = qobject_cast<D*>(&d);
            EXPECT_NE(dlg, nullptr);
            if (!dlg) return 0;
            if (choose) choose(*dlg);
            (accept ? dlg->BtnSelect : dlg->BtnCancel)->click();
            return dlg->result();
        };
    }
    std::vector<std::string> Messages() { return sink.Take(); }
    std::string Text() const { return field->text().toStdString(); }

    RecordingMessageSink sink;
    UiContext ctx;
    std::function<int(QDialog&)> answer;
    int opened = 0;
    std::unique_ptr<TDateTimeDlg> field;
};

}  // namespace tolvex::testing
