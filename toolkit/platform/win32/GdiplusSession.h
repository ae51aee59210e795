// GDI+ is started when the first frame or draw context needs it and shut down when the last one
// goes, never while the DLL loads or unloads (the loader lock forbids it).
#pragma once

namespace qgui::win32 {

class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    // False when GDI+ could not be started; nothing may then be drawn.
    bool isRunning() const { return running; }

    // How many sessions are open in the process (for tests).
    static int activeCount();

private:
    bool running = false;
};

} // namespace qgui::win32
