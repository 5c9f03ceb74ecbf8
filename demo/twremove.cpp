// Stands in for the sample product's removal program, which the install
// script names in ":unin" and the uninstall command line starts. It only
// says what it was given: removing is not part of the sample.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  const std::string text = std::string("The Marrowgate removal program was started for the folder:\r\n") + arguments +
                           "\r\n\r\nThe sample does not remove anything.";
  MessageBoxA(nullptr, text.c_str(), "Marrowgate Removal", MB_OK | MB_ICONINFORMATION);
  return 0;
}
