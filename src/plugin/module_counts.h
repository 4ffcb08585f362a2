// SPDX-License-Identifier: Apache-2.0
// The process-wide counts that decide whether the host may unload the module:
// live class factories and plug-in objects, and the host's server locks.
#pragma once

namespace orca::plugin {

// Raised by every factory and plug-in object while it lives.
void ObjectCreated();
void ObjectDestroyed();
// LockServer(true) / LockServer(false).
void LockModule(bool lock);
// True while any object lives or any lock is held.
bool ModuleInUse();

}  // namespace orca::plugin
