// The C++ runtime's default terminate handler prints the demangled type of
// an uncaught exception, which links a 40 KB demangler into the installer.
// No exception ever leaves the installer's routines; ending at once is all
// the handler has to do.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
