// The kinds that show nothing and do nothing by themselves: the timer (every
// timer of the definition has interval 0 and never fires) and the ZIP control,
// a hidden window that gives the extraction a handle to raise its events by.
#include "app/window/control_kinds.h"

bool RegisterInertClasses(HINSTANCE instance) {
  return RegisterKindClass(instance, kTimerClass, DefWindowProcA) &&
         RegisterKindClass(instance, kZipControlClass, DefWindowProcA);
}
