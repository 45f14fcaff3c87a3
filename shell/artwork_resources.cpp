#include "artwork_resources.h"

namespace vd::artwork {

QStringList AllResourcePaths() {
    return {kButton, kBanner, kLogo,   kAbout,  kCompany1, kCompany2,
            kFlagUk, kFlagSw, kFlagFi, kFlagFr, kFlagIt};
}

} // namespace vd::artwork
