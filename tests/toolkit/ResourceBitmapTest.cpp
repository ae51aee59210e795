// Bitmaps by resource id from the pictures built into the binary, at the sizes the editor
// lays its controls out with.
#include "CBitmap.h"

#include <gtest/gtest.h>

using namespace qgui;

namespace {

TEST(ResourceBitmapTest, EveryEditorPictureLoadsByIdAtItsSize)
{
    struct Case {
        int id;
        int width;
        int height;
    } cases[] = {{12128, 400, 309}, {12129, 106, 234}, {12151, 100, 43},  {12152, 113, 46},  {12153, 100, 43},
                 {12171, 114, 4674}, {12173, 114, 2394}, {12177, 114, 6954}, {12181, 70, 490},   {12200, 400, 276},
                 {19899, 48, 30},   {19990, 40, 30},   {19991, 12, 42},   {19992, 12, 42},   {19993, 12, 42},
                 {19994, 12, 42},   {19995, 12, 42},   {19996, 12, 42},   {19997, 31, 70},   {19998, 12, 42},
                 {19999, 12, 42}};
    for (const Case& k : cases) {
        auto* bitmap = new CBitmap(k.id);
        EXPECT_TRUE(bitmap->isLoaded()) << k.id;
        EXPECT_EQ(bitmap->getWidth(), k.width) << k.id;
        EXPECT_EQ(bitmap->getHeight(), k.height) << k.id;
        EXPECT_EQ(bitmap->getPixels().at(0, 0) >> 24, 0xffu) << k.id << ": opaque";
        bitmap->forget();
    }
}

TEST(ResourceBitmapTest, AnUnknownIdGivesAnEmptyBitmapThatDrawsNothing)
{
    auto* bitmap = new CBitmap(19128);
    EXPECT_FALSE(bitmap->isLoaded());
    EXPECT_EQ(bitmap->getWidth(), 0.0);
    bitmap->forget();
}

} // namespace
