#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

void FontWarmUp::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}
