#include "app/style_images.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QPixmapCache>

namespace tolvex {
namespace {

// Fusion must find the preloaded frame, or every start-up loads all image plugins again.
TEST(StyleImages, FusionFindsThePreloadedGroupBoxFrame) {
    ASSERT_TRUE(PreloadFusionGroupBoxFrame());
    QPixmap preloaded;
    ASSERT_TRUE(QPixmapCache::find(PixmapCacheKey(kFusionGroupBoxFrame), &preloaded));
    EXPECT_EQ(QPixmap(kFusionGroupBoxFrame).cacheKey(), preloaded.cacheKey())
        << "this Qt files pixmaps in QPixmapCache under another key";
}

}  // namespace
}  // namespace tolvex
