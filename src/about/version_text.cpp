#include "about/version_text.h"

#include "about/version.h"

namespace galvix::about {

std::string versionText(int major, int minor, int revision)
{
    return "Version " + std::to_string(major) + '.' + std::to_string(minor) + '.' + std::to_string(revision);
}

std::string versionText() { return versionText(VersionMajor, VersionMinor, VersionRevision); }

} // namespace galvix::about
