#include "ui/main/program.h"

#include "ui/toolkit/application_setup.h"
#include "ui/toolkit/fonts.h"

namespace tarnvale {

Program::Setup::Setup() {
    setApplicationIdentity();
    installStartupStyle();
    installFontSubstitutions();
}

Program::Program() : window_(alerts_) {
    alerts_.setParentWindow(&window_);
}

}  // namespace tarnvale
