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

private:
    std::vector<std::uint8_t> generations_;
};

// The pens, brushes and fonts that the test program makes while this lives:
// what a paint or a keystroke should not need to make. The table above cannot
// tell them, as an entry freed by a font is soon taken by a device context.
// Counted at the program's own imports of gdi32, whose entries point at
// counters meanwhile; one at a time.
class DrawingObjectCreations {
public:
    DrawingObjectCreations();
    ~DrawingObjectCreations();
    DrawingObjectCreations(const DrawingObjectCreations&) = delete;
    DrawingObjectCreations& operator=(const DrawingObjectCreations&) = delete;

    int Since() const;
};

// Windows of the calling thread, top-level and children.
int LiveWindows();

} // namespace guitest
