#include "widgets/export/save_file.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>

#include "widgets/common/qt_text.h"
#include "widgets/common/ui_context.h"

namespace tolvex {

QString ProposedFileName(const QString& stem, const QString& suffix) {
    return stem + QLatin1Char('-') + QDate::currentDate().toString(Qt::ISODate) + QLatin1Char('.') + suffix;
}

QString SaveFailedMessage(const QString& path, bool couldOpen) {
    const QString reason = couldOpen
                               ? QStringLiteral("Zapis został przerwany - być może brakuje miejsca na dysku.")
                               : QStringLiteral("Folder nie istnieje albo nie ma w nim prawa zapisu.");
    return QStringLiteral("Nie udało się zapisać pliku „%1”.\n%2\nPlik nie został utworzony ani zmieniony.")
        .arg(QDir::toNativeSeparators(path), reason);
}

namespace {

QString AskWithDialog(QWidget* parent, UiContext& ctx, const SaveRequest& request, const QString& proposed) {
    QFileDialog dialog(parent, request.caption, proposed, request.filter);
    dialog.setObjectName(QStringLiteral("ZapiszPlik"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.suffix);
    if (ctx.execModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString SaveToChosenFile(QWidget* parent, UiContext& ctx, const SaveRequest& request,
                         const std::function<bool(QIODevice&)>& write) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(folder).filePath(request.proposedName);
    const QString path = ctx.chooseSaveFile ? ctx.chooseSaveFile(request.caption, proposed)
                                            : AskWithDialog(parent, ctx, request, proposed);
    if (path.isEmpty()) return {};

    QSaveFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly);
    if (opened && write(file) && file.commit()) return path;
    file.cancelWriting();
    ctx.Say(S(SaveFailedMessage(path, opened)), "Zapis pliku", Message::Kind::Warning);
    return {};
}

}  // namespace tolvex
