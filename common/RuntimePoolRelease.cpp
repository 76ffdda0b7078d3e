// Linked into every library of ours. Each library carries a C++ runtime of its own (they are
// linked statically), and that runtime sets aside an emergency pool of some 73 KB for exceptions
// thrown when memory runs out, which it never gives back: a process that loads and frees a
// library around every call, as the launcher does, would keep one pool per load. The runtime's
// own release call hands it back as the library's static objects go, when nothing throws any more.
namespace __gnu_cxx {
void __freeres();
}

namespace {

struct RuntimePoolRelease {
    ~RuntimePoolRelease() { __gnu_cxx::__freeres(); }
} g_runtimePoolRelease;

}  // namespace
