// Built-in images read as PNG without guessing their format: guessing loads every image-format
// plugin Qt has (SVG, JPEG, GIF, ICO and their libraries), about 7 ms of start-up for a program
// that shows only PNG.
#pragma once

#include <QImage>
#include <QString>

namespace tolvex {

QImage ReadPng(const QString& path);

// Fusion draws every group-box frame from this built-in image.
inline const QString kFusionGroupBoxFrame =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");

// Fusion opens the frame image by file name, and Qt then guesses its format. Qt looks in
// QPixmapCache first, under a key made of the file's path, time, size and pixmap type, so the
// image is put there, read as PNG, before the first frame. Where another Qt builds the key
// differently the entry is never found and Fusion reads the file as before. False where Qt has
// no such image.
bool PreloadFusionGroupBoxFrame();

// The key QPixmap::load() files `path` under in QPixmapCache.
QString PixmapCacheKey(const QString& path);

}  // namespace tolvex
