// Bitmaps from the BITMAP resources of the module that holds the code (the plug-in DLL, or the
// program itself when no DLL entry point stored a handle).
#include "platform/DecodedPixels.h"
#include "platform/Platform.h"
#include "platform/win32/CodeModule.h"

#include <windows.h>

namespace qgui {

bool platform::loadResourceBitmap(int id, PixelImage& out)
{
    if (id <= 0 || id > 0xffff)
        return false; // not expressible as a numeric resource id
    HMODULE module = win32::codeModule();
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2)); // RT_BITMAP
    if (!info)
        return false;
    HGLOBAL handle = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data || size == 0)
        return false;
    // A BITMAP resource is the DIB without the file header.
    qgres::DecodedBitmap decoded;
    if (!qgres::decodeDib(static_cast<const uint8_t*>(data), size, decoded))
        return false;
    toPixelImage(decoded, out);
    return true;
}

} // namespace qgui
