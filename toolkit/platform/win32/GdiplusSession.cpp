#include "GdiplusSession.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <mutex>

namespace qgui::win32 {
namespace {
// Frames of several plug-in instances may open and close on different host threads.
std::mutex sessionMutex;
int sessionCount = 0;
ULONG_PTR sessionToken = 0;
} // namespace

GdiplusSession::GdiplusSession()
{
    std::lock_guard<std::mutex> lock(sessionMutex);
    if (sessionCount == 0) {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&sessionToken, &input, nullptr) != Gdiplus::Ok)
            return;
    }
    ++sessionCount;
    running = true;
}

GdiplusSession::~GdiplusSession()
{
    if (!running)
        return;
    std::lock_guard<std::mutex> lock(sessionMutex);
    if (--sessionCount == 0) {
        Gdiplus::GdiplusShutdown(sessionToken);
        sessionToken = 0;
    }
}

int GdiplusSession::activeCount()
{
    std::lock_guard<std::mutex> lock(sessionMutex);
    return sessionCount;
}

} // namespace qgui::win32
