// The Windows DLL carries every editor picture as a BITMAP resource that decodes.
#include "BitmapDecoder.h"
#include "PluginUnderTest.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace {
BOOL CALLBACK collectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<int>*>(ids)->push_back(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}
} // namespace

TEST(WindowsResources, EveryPictureIsInTheDll)
{
    HMODULE dll = LoadLibraryExA(testsupport::pluginPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(dll, nullptr);
    std::vector<int> ids;
    EnumResourceNamesW(dll, MAKEINTRESOURCEW(2) /* RT_BITMAP */, collectId, reinterpret_cast<LONG_PTR>(&ids));
    EXPECT_EQ(ids.size(), 21u);
    for (int id : ids) {
        HRSRC found = FindResourceW(dll, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));
        ASSERT_NE(found, nullptr) << id;
        HGLOBAL loaded = LoadResource(dll, found);
        const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
        qgres::DecodedBitmap bitmap;
        EXPECT_TRUE(qgres::decodeDib(data, SizeofResource(dll, found), bitmap)) << id;
        EXPECT_GT(bitmap.width, 0) << id;
    }
    FreeLibrary(dll);
}
