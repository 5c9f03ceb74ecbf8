#pragma once
#include <windows.h>

#include <exception>

namespace platform {

class Form;

// The application object: registers the window classes, runs the message
// loop and owns the error box that every uncaught error ends in.
class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application& Instance();
  HINSTANCE Module() const { return module_; }

  // The first form created is the main form: closing it ends the program.
  void SetMainForm(Form* form);
  Form* MainForm() const { return main_; }

  // Runs until the main form closes (or Terminate); returns the exit code.
  int Run();
  // Takes one message off the queue and dispatches it; false after WM_QUIT
  // (which is put back for the outer loop).
  bool ProcessMessage();
  // Asks the program to end: the quit message ends every message loop.
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Shows the error's message in the error box ("Error", stop sign, OK);
  // the windows stay as they stand.
  void ShowException(const std::exception& error);

 private:
  HINSTANCE module_;
  Form* main_ = nullptr;
  bool terminated_ = false;
  int exitCode_ = 0;
};

}  // namespace platform
