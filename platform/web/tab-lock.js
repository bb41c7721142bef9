// One tab at a time plays on the browser's save folder, as one copy at a time on the desktop's:
// decided before the game starts and kept while the page lives. Module.zorvexTabHeld tells the game.
Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function() {
  var name = "zorvex-save-folder";
  addRunDependency("zorvex-tab-lock");
  function decided(held) {
    Module["zorvexTabHeld"] = held;
    removeRunDependency("zorvex-tab-lock");
  }
  if (navigator.locks) {
    // Web Locks: atomic between tabs, and let go by the browser however the tab ends.
    navigator.locks.request(name, {ifAvailable: true}, function(lock) {
      decided(lock !== null);
      return lock ? new Promise(function() {}) : undefined;
    });
    return;
  }
  // A page from a plain-http host has no Web Locks: a heartbeat in localStorage instead. A tab
  // that ended without saying so lets go when its beat is older than a few seconds.
  var stale = 3000;
  var me = Math.random().toString(36).slice(2);
  var seen = null;
  try {
    seen = JSON.parse(localStorage.getItem(name));
  } catch (ignored) {
  }
  if (seen && seen.id !== me && Date.now() - seen.beat < stale) {
    decided(false);
    return;
  }
  function beat() {
    localStorage.setItem(name, JSON.stringify({id: me, beat: Date.now()}));
  }
  beat();
  setInterval(beat, 1000);
  addEventListener("pagehide", function() {
    localStorage.removeItem(name);
  });
  decided(true);
});
