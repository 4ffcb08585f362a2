// SPDX-License-Identifier: Apache-2.0
// A hook that runs before each step that changes a file (a file made or
// written, forced onto the disk, renamed or removed), for the tests of
// interrupted runs: it may end the process there, as a kill would, or have
// the step fail with an input/output error. One hook serves the state's
// saves, the host's job log and the plug-in's own files, which all reach the
// disk through this library. The shipped programs set none.
#pragma once

namespace orca::text {

// False has the step fail.
using StepHook = bool (*)();
void SetStepHook(StepHook hook);

// Runs the hook before a step; false when the step is to fail.
bool BeforeStep();

}  // namespace orca::text
