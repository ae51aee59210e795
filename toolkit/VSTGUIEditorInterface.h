// What a frame asks of the plug-in editor that owns it.
#pragma once

#include <cstdint>

namespace qgui {

class CFrame;

class VSTGUIEditorInterface {
public:
    virtual ~VSTGUIEditorInterface() = default;
    // A user gesture on the parameter with this index starts or ends (host automation).
    virtual void beginEdit(int32_t index) = 0;
    virtual void endEdit(int32_t index) = 0;
    virtual CFrame* getFrame() const = 0;
};

} // namespace qgui
