#include <objbase.h>

#include "app/program.h"
#include "platform/win32/win32_gui.h"
#include "platform/win32/win32_system.h"

namespace {

// COM for the common dialogs, on this thread for the life of the program.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

void InitialiseCommonControls() {
  INITCOMMONCONTROLSEX classes{};
  classes.dwSize = sizeof(classes);
  classes.dwICC = ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&classes);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const ComApartment com;
  InitialiseCommonControls();
  kadrex::win32::Win32Gui gui(instance);
  kadrex::win32::Win32System system;
  kadrex::RunKadrex(gui, system);
  return 0;
}
