// The areas of a frame window that wait to be drawn: requests inside one already waiting are
// dropped, waiting ones inside a new request give way to it, and past a limit all merge into one.
#pragma once

#include "../CRect.h"

#include <algorithm>
#include <vector>

namespace qgui::platform {

class PendingAreas {
public:
    void add(const CRect& area)
    {
        if (area.isEmpty())
            return;
        for (const CRect& r : areas)
            if (CRect(r).unite(area) == r)
                return; // already covered
        areas.erase(std::remove_if(areas.begin(), areas.end(),
                                   [&](const CRect& r) { return CRect(area).unite(r) == area; }),
                    areas.end());
        areas.push_back(area);
        if (areas.size() > kMaxAreas) {
            CRect all;
            for (const CRect& r : areas)
                all.unite(r);
            areas.assign(1, all);
        }
    }

    bool empty() const { return areas.empty(); }
    void clear() { areas.clear(); }
    // Hands over the waiting areas and starts afresh (drawing may ask for more meanwhile).
    std::vector<CRect> take()
    {
        std::vector<CRect> taken;
        taken.swap(areas);
        return taken;
    }

private:
    static constexpr size_t kMaxAreas = 64;
    std::vector<CRect> areas;
};

} // namespace qgui::platform
