// The default terminate handler prints the exception's demangled type name, which links the whole
// name demangler into the program (about 70 KB). The program throws nothing on purpose; if the C++
// library ever does (out of memory), ending at once is all that is left to do.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
