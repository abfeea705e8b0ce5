// Base of everything a layout can set properties on.
#pragma once

namespace fw {

class TPersistent {
public:
    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;
    virtual ~TPersistent() = default;
};

} // namespace fw
