// Bitmaps from the BITMAP resources of the module that holds the code (the plug-in DLL, or the
// program itself when moduleHandle is null).
#include "ModuleHandle.h"
#include "platform/DecodedPixels.h"
#include "platform/Platform.h"

#include <windows.h>

namespace qgui {

bool platform::loadResourceBitmap(int id, PixelImage& out)
{
    if (id <= 0 || id > 0xffff)
        return false;
    HMODULE module = static_cast<HMODULE>(moduleHandle);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2)); // RT_BITMAP
    if (!info)
        return false;
    HGLOBAL handle = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data || size == 0)
        return false;
    qgres::DecodedBitmap decoded;
    if (!qgres::decodeDib(static_cast<const uint8_t*>(data), size, decoded))
        return false;
    toPixelImage(decoded, out);
    return true;
}

} // namespace qgui
