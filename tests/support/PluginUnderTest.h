// Where the plug-in binary built in this tree lies, and a host that has it loaded.
#pragma once

#include "Host.h"

#include <memory>
#include <string>

namespace testsupport {

// The QuorvelGraywick binary of this build (the .so natively, the .dll beside the test under Wine).
std::string pluginPath();

// Loads and opens the plug-in; fails the current test when it cannot.
std::unique_ptr<vsthost::HostedPlugin> loadPlugin(vsthost::HostSettings settings = {});

} // namespace testsupport
