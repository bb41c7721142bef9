#pragma once
// Whether this browser tab holds the save folder (see tab-lock.js): the browser's stand-in for the
// desktop's folder lock, which a browser's in-memory file system cannot give between tabs.

namespace platform::web {

bool ThisTabHoldsSaveFolder();

}  // namespace platform::web
