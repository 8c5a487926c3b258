#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTimer>

#include "app/help_window.h"
#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

class MainWindowFrame : public MainWindowTest {};

TEST_F(MainWindowFrame, TenPagesInOrderWithCaptionsAndHints) {
    Start();
    auto* plec = Find<QTabWidget>("plec");
    ASSERT_NE(plec, nullptr);
    const char* expected[][3] = {
        {"TabSheet1", "Płace", "Wyliczanie płacy"},
        {"TabSheet2", "Skł. ZUS", "Składki ZUS wyliczone dla płacy podanej w poprzedniej zakładce"},
        {"TabSheet3", "Odsetki, przelicznik", "Obliczanie odsetek bankowych, przeliczniki"},
        {"TabSheet4", "Odsetki podat.", "Wyliczanie odsetek podatkowych i ustawowych"},
        {"TabSheet5", "Dane pocz.", "Dane stratowe Kalkulatora"},
        {"TabSheet6", "Emeryt II", "Obliczanie emerytury z II filaru"},
        {"TabSheet7", "Emeryt III", ""},
        {"TabSheet8", "Raty-kredyt", "Obilczanie rat i kredytu"},
        {"Informacja", "Informacja", "Informacja o programie"},
        {"TabSheet9", "Emeryt ZUS", "Emerytura z ZUS"},
    };
    ASSERT_EQ(plec->count(), 10);
    // Only the page shown at start is built with the window; a page's start values are
    // written when it is built (the start-up tests check them).
    for (int i = 0; i < 10; ++i) EXPECT_EQ(window->PageBuilt(i), i == 0) << i;
    plec->setCurrentIndex(7);
    EXPECT_TRUE(window->PageBuilt(7));
    EXPECT_TRUE(plec->currentWidget()->findChild<QWidget*>("TabSheet8")->isVisible());
    EXPECT_EQ(window->PageBuilt(6), false);
    window->BuildDeferredControls();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(plec->widget(i)
                      ->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly)
                      ->objectName()
                      .toStdString(),
                  expected[i][0]);
        EXPECT_EQ(plec->tabText(i).toStdString(), expected[i][1]);
        EXPECT_EQ(plec->tabToolTip(i).toStdString(), expected[i][2]);
    }
    EXPECT_EQ(plec->currentIndex(), 7);
    EXPECT_EQ(Str("Label17"), "wer. 5.72");
    EXPECT_TRUE(Text("Label1Nazwa").startsWith("TOLVEX"));
    EXPECT_EQ(window->size(), QSize(780, 718));
}

TEST_F(MainWindowFrame, HelpButtonsOpenTheirTopics) {
    Start();
    const std::pair<const char*, const char*> buttons[] = {
        {"Pomoc1", "Płace"},
        {"pomoc2", "Odsetki, przelicznik"},
        {"Pomoc3", "Odsetki podatkowe"},
        {"Pomoc4", "Dane początkowe"},
        {"Pomoc5", "II filaru"},
        {"Pomoc6", "III filaru"},
        {"Pomoc7", "Raty kredytu"},
        {"Pomoc_ZUS", "Emerytura z ZUS"},
    };
    for (const auto& [name, words] : buttons) {
        SCOPED_TRACE(name);
        Press(name);
        EXPECT_TRUE(window->Help().isVisible());
        EXPECT_TRUE(window->Help().CurrentTopic().contains(QString::fromUtf8(words)));
    }
}

TEST_F(MainWindowFrame, EveryExitButtonClosesTheWindow) {
    for (const char* name : {"Wyjscie", "WyjsciePom", "WyjsciePom1", "WyjsciePom2", "WyjsciePom4",
                             "WyjsciePom5", "WyjsciePom6", "WyjsciePom7"}) {
        SCOPED_TRACE(name);
        Start();
        Press(name);
        EXPECT_FALSE(window->isVisible());
    }
}

// Before the main window shows, a dialog has nothing to hold off and runs without modality
// (closing a modal window held start-up); afterwards it is modal. Either way it returns its result.
TEST_F(MainWindowFrame, DialogsAreModalOnceTheMainWindowShows) {
    window = std::make_unique<TKalkulator_Finansowy>(sink);
    for (bool shown : {false, true}) {
        SCOPED_TRACE(shown);
        window->setVisible(shown);
        QDialog dialog(window.get());
        bool modal = !shown;
        QTimer::singleShot(0, &dialog, [&] {
            modal = dialog.isModal() || QApplication::activeModalWidget() == &dialog;
            dialog.done(7);
        });
        EXPECT_EQ(window->Context().execModal(dialog), 7);
        EXPECT_EQ(modal, shown);
        EXPECT_FALSE(dialog.isVisible());
    }
}

}  // namespace
}  // namespace tolvex::testing
