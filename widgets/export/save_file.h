// Saving a result to a file the user picks: the dialog runs through the context's modal
// runner (so tests answer it), and the file is written through QSaveFile, so a failed write
// leaves the old file or none at all, never half of one.
#pragma once

#include <QString>
#include <functional>

class QIODevice;
class QWidget;

namespace tolvex {

struct UiContext;

struct SaveRequest {
    QString caption;       // "Zapisz jako CSV"
    QString proposedName;  // "harmonogram-kredytu-2026-12-07.csv", in the documents folder
    QString filter;        // "Pliki CSV (*.csv)"
    QString suffix;        // "csv", added when the name has none
};

// "<stem>-<today>.<suffix>".
QString ProposedFileName(const QString& stem, const QString& suffix);

// Asks for the name (UiContext::chooseSaveFile), then `write`s to the file, which returns
// false when it fails. Returns the
// path saved, or an empty string when the user cancelled or the write failed (the user
// was told why).
QString SaveToChosenFile(QWidget* parent, UiContext& ctx, const SaveRequest& request,
                         const std::function<bool(QIODevice&)>& write);

// The Polish message for a file that could not be written.
QString SaveFailedMessage(const QString& path, bool couldOpen);

}  // namespace tolvex
