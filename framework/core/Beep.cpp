#include "framework/core/Beep.h"

#include <windows.h>

namespace fw {

namespace {
void (*beepObserver)() = nullptr;
}

void Beep() {
    MessageBeep(0);
    if (beepObserver)
        beepObserver();
}

void SetBeepObserver(void (*observer)()) {
    beepObserver = observer;
}

} // namespace fw
