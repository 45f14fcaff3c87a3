#include "bus_error_guard.h"

#include <csetjmp>
#include <csignal>
#include <mutex>

namespace vd {
namespace {

// The jump of the guard running on this thread; a bus error is delivered to
// the thread that caused it.
thread_local sigjmp_buf* activeGuard = nullptr;
struct sigaction previousAction;

void OnBusError(int sig, siginfo_t* info, void* uc) {
    if (sigjmp_buf* jump = activeGuard) {
        activeGuard = nullptr;
        siglongjmp(*jump, 1);
    }
    // Not ours: what was there before us decides.
    if (previousAction.sa_flags & SA_SIGINFO) {
        previousAction.sa_sigaction(sig, info, uc);
    } else if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
        previousAction.sa_handler(sig);
    } else {
        std::signal(SIGBUS, SIG_DFL);
        std::raise(SIGBUS);
    }
}

void InstallHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        // SIGBUS stays unblocked in the handler, so leaving it by a jump that
        // does not restore the signal mask leaves the mask as it was.
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, &previousAction);
    });
}

} // namespace

bool RunCatchingBusError(void (*fn)(void*), void* context) {
    InstallHandler();
    sigjmp_buf jump;
    sigjmp_buf* const outer = activeGuard;
    if (sigsetjmp(jump, 0) != 0) {
        activeGuard = outer;
        return false;
    }
    activeGuard = &jump;
    fn(context);
    activeGuard = outer;
    return true;
}

} // namespace vd
