#include "scan/MappedReadGuard.h"

#include <csetjmp>
#include <csignal>
#include <mutex>

namespace {

thread_local sigjmp_buf* t_recovery = nullptr;
struct sigaction g_previous {};

void OnBusError(int, siginfo_t*, void*)
{
    if (sigjmp_buf* recovery = t_recovery) {
        t_recovery = nullptr;
        siglongjmp(*recovery, 1);
    }
    // Not a guarded read: give the fault back to the previous disposition, which sees it when it repeats.
    sigaction(SIGBUS, &g_previous, nullptr);
}

void InstallHandler()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, &g_previous);
    });
}

} // namespace

bool MappedReadGuard::RunCall(void (*call)(void*), void* code)
{
    InstallHandler();
    sigjmp_buf recovery;
    if (sigsetjmp(recovery, 1) != 0)
        return false;
    t_recovery = &recovery;
    call(code);
    t_recovery = nullptr;
    return true;
}
