// What a leak test counts: the process's live GDI objects and windows.
#pragma once

#include <cstdint>
#include <vector>

namespace guitest {

// Live GDI objects of the process, read from its GDI handle table (the
// process environment block points at it). Wine's GetGuiResources is a stub.
int LiveGdiObjects();

// Every allocation bumps the generation of the table entry it takes, so two
// readings of the generations tell how many objects were created in between,
// even those already deleted again (up to 255 on one entry).
class GdiCreations {
public:
    GdiCreations();
    int Since() const;
    // Only pens, brushes and fonts: what a paint should never need to make.
    int DrawingObjectsSince() const;

private:
    std::vector<std::uint8_t> generations_;
};

// Windows of the calling thread, top-level and children.
int LiveWindows();

} // namespace guitest
