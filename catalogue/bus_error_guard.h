#pragma once
// A file mapped into memory raises SIGBUS when a page behind the file's new end
// is read after the file shrank. The guard turns that signal into a failed
// return on the thread that read, so the scan can end with a file error.
#include <type_traits>

namespace vd {

// Runs fn(context) and returns true, or returns false when fn read a mapped
// page that no longer exists. fn is left by a jump at the faulting read: at
// that point it must own nothing that needs a destructor.
bool RunCatchingBusError(void (*fn)(void*), void* context);

template <class F> bool CatchBusError(F&& f) {
    return RunCatchingBusError([](void* c) { (*static_cast<std::remove_reference_t<F>*>(c))(); },
                               &f);
}

} // namespace vd
