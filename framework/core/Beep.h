// The default system sound, the program's answer to a refused key.
#pragma once

namespace fw {

// Plays the default sound (MessageBeep with type 0).
void Beep();
// Called after each beep; lets tests hear the beeps. Null for none.
void SetBeepObserver(void (*observer)());

} // namespace fw
