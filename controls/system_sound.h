#pragma once
// The system's default sound, as the About window plays it. Tests put a counter in its place.
#include <functional>

namespace vardo {

void playDefaultSound();

// Replaces the sound by another action (an empty function restores the system's beep).
void setDefaultSoundForTests(std::function<void()> sound);

}  // namespace vardo
