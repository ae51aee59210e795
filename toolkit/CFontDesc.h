// A font by family name, pixel size and style.
#pragma once

#include <cstdint>
#include <string>

namespace qgui {

enum CTxtFace : int32_t {
    kNormalFace = 0,
    kBoldFace = 1 << 1,
    kItalicFace = 1 << 2,
};

struct CFontDesc {
    std::string name = "Arial";
    double size = 12.0;
    int32_t style = kNormalFace;

    bool operator==(const CFontDesc& o) const { return name == o.name && size == o.size && style == o.style; }
    bool operator!=(const CFontDesc& o) const { return !(*this == o); }
};

// The standard fonts that controls use unless told otherwise.
inline const CFontDesc kNormalFontVeryBig{"Arial", 18.0, kNormalFace};
inline const CFontDesc kNormalFontBig{"Arial", 14.0, kNormalFace};
inline const CFontDesc kNormalFont{"Arial", 12.0, kNormalFace};
inline const CFontDesc kNormalFontSmall{"Arial", 11.0, kNormalFace};
inline const CFontDesc kNormalFontSmaller{"Arial", 10.0, kNormalFace};
inline const CFontDesc kNormalFontVerySmall{"Arial", 9.0, kNormalFace};

} // namespace qgui
