// A frame without a window: it paints into a picture in memory when asked to update, so that
// tests and headless programs can drive a frame and look at its pixels.
#include "CDrawContext.h"
#include "PixelImage.h"
#include "platform/Platform.h"

#include <algorithm>
#include <vector>

namespace qgui {
namespace {

class MemoryPlatformFrame final : public IPlatformFrame {
public:
    MemoryPlatformFrame(IPlatformFrameCallback& frame, const CRect& size)
        : frame(frame), size(size), image(static_cast<int>(size.getWidth()), static_cast<int>(size.getHeight()))
    {
        // Like a window that has just been shown: everything needs painting.
        pending.push_back(CRect(0, 0, size.getWidth(), size.getHeight()));
    }

    void* getNativeHandle() const override { return nullptr; }
    CRect getSize() const override { return size; }

    bool setSize(const CRect& newSize) override
    {
        size = newSize;
        image = PixelImage(static_cast<int>(size.getWidth()), static_cast<int>(size.getHeight()));
        pending.assign(1, CRect(0, 0, size.getWidth(), size.getHeight()));
        return true;
    }

    void invalidRect(const CRect& area) override
    {
        if (area.isEmpty())
            return;
        for (const CRect& r : pending)
            if (CRect(r).unite(area) == r)
                return; // already covered
        pending.erase(std::remove_if(pending.begin(), pending.end(),
                                     [&](const CRect& r) { return CRect(area).unite(r) == area; }),
                      pending.end());
        pending.push_back(area);
        if (pending.size() > kMaxPendingAreas) {
            CRect all;
            for (const CRect& r : pending)
                all.unite(r);
            pending.assign(1, all);
        }
    }

    void updateNow() override
    {
        if (pending.empty() || image.isEmpty())
            return;
        std::vector<CRect> areas;
        areas.swap(pending);
        auto context = platform::createDrawContext(image);
        if (!context)
            return;
        for (const CRect& area : areas)
            frame.platformDrawRect(*context, area);
        context->flush();
    }

    bool startTimer(uint32_t milliseconds) override
    {
        timerInterval = milliseconds;
        return milliseconds > 0;
    }
    void stopTimer() override { timerInterval = 0; }
    bool isTimerRunning() const override { return timerInterval > 0; }

    void setMouseCapture(bool) override {}
    void takeFocus() override {}
    int popupMenu(const PopupMenuRequest&) override { return -1; }
    std::unique_ptr<IPlatformTextEdit> createTextEdit(ITextEditOwner&, const TextEditRequest&) override
    {
        return nullptr;
    }

    bool copyPixels(PixelImage& out) const override
    {
        out = image;
        return true;
    }

private:
    static constexpr size_t kMaxPendingAreas = 64;

    IPlatformFrameCallback& frame;
    CRect size;
    PixelImage image;
    std::vector<CRect> pending;
    uint32_t timerInterval = 0;
};

} // namespace

std::unique_ptr<IPlatformFrame> platform::createPlatformFrame(IPlatformFrameCallback& frame, const CRect& size,
                                                              void* /*parent*/)
{
    if (size.getWidth() < 1.0 || size.getHeight() < 1.0)
        return nullptr;
    return std::make_unique<MemoryPlatformFrame>(frame, size);
}

} // namespace qgui
