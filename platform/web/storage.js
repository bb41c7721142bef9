// Before the game starts: the save folder is an IndexedDB store, read into memory first so that
// the options and high scores are there when the game loads them.
Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function() {
  FS.mkdirTree("/Data/Save");
  FS.mount(IDBFS, {}, "/Data/Save");
  addRunDependency("zorvex-save-folder");
  FS.syncfs(true, function(error) {
    if (error)
      console.error("Zorvex: the saved files could not be read: " + error);
    removeRunDependency("zorvex-save-folder");
  });
});
