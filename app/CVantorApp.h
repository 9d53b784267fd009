#pragma once

namespace vantor {

class WindowSystem;

/// The application object: starts the program and runs its main dialog.
class CVantorApp {
 public:
  /// Builds the engine, loads the languages, creates the preview, runs the main
  /// dialog until it ends and destroys it; returns the process's exit status.
  int StartUp(WindowSystem& windowSystem);
};

}  // namespace vantor
