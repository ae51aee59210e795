// A picture loaded from the module's bitmap resources by numeric id, shared by reference count.
#pragma once

#include "CReferenceCounter.h"
#include "PixelImage.h"

namespace qgui {

class CDrawContext;
struct CRect;
struct CPoint;

class CBitmap : public CBaseObject {
public:
    // A failed load leaves an empty bitmap (isLoaded false, size 0 × 0).
    explicit CBitmap(int resourceId);
    // A bitmap from pixels already in memory (drawn pictures, tests).
    explicit CBitmap(PixelImage pixels);

    int getResourceId() const { return resourceId; }
    bool isLoaded() const { return !image.isEmpty(); }
    double getWidth() const { return image.width; }
    double getHeight() const { return image.height; }
    const PixelImage& getPixels() const { return image; }

    void draw(CDrawContext& context, const CRect& dest, const CPoint& offset, float alpha = 1.0f) const;

private:
    int resourceId = -1;
    PixelImage image;
};

} // namespace qgui
