#pragma once
// The version line of the About box, made from the version numbers the build sets.

#include <string>

namespace galvix::about {

// "Version " and the three numbers in plain decimal joined by dots: "Version 1.1.0".
[[nodiscard]] std::string versionText(int major, int minor, int revision);

// The version line of this build.
[[nodiscard]] std::string versionText();

} // namespace galvix::about
