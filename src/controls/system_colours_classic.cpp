#include "controls/system_colours.h"

namespace quorvex {

SystemColours platformSystemColours() {
    return classicSystemColours();
}

}  // namespace quorvex
