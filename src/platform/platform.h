// SPDX-License-Identifier: Apache-2.0
// The ports through which the system reaches its operating system. Each port
// is a small interface in its own header; the adapter library of the build
// (the simulated environment on Linux, Win32 on Windows) supplies Current().
#pragma once

namespace orca::platform {

class Spooler;
class Registry;
class System;
class Files;
class Process;
class WindowSystem;

struct Ports {
    Spooler* spooler = nullptr;
    Registry* registry = nullptr;
    System* system = nullptr;
    Files* files = nullptr;
    Process* process = nullptr;
    WindowSystem* windows = nullptr;
};

// The platform in force for this process.
const Ports& Current();

}  // namespace orca::platform
