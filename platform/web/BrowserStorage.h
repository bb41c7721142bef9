#pragma once
// The save folder in a browser: an IndexedDB store mounted on Data/Save (see storage.js), read
// into memory before the game starts. Files written there live in memory until written back.

namespace platform::web {

// Writes the save folder back to the browser's storage. Returns at once; the browser finishes the
// write in the background, and a failure is reported on the console.
void WriteBackSaveFolder();

}  // namespace platform::web
