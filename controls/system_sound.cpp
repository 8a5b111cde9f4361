#include "controls/system_sound.h"

#include <QApplication>

namespace vardo {

namespace {
std::function<void()>& soundOverride() {
    static std::function<void()> sound;
    return sound;
}
}  // namespace

void playDefaultSound() {
    if (soundOverride()) {
        soundOverride()();
    } else {
        QApplication::beep();
    }
}

void setDefaultSoundForTests(std::function<void()> sound) {
    soundOverride() = std::move(sound);
}

}  // namespace vardo
