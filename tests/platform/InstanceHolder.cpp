// Takes the single-instance guard, says whether it got it, and keeps it until standard input closes.
#include "platform/SingleInstance.h"

#include <cstdio>
#include <unistd.h>

int main()
{
    const CSingleInstanceGuard guard;
    std::puts(guard.AlreadyRunning() ? "refused" : "holding");
    std::fflush(stdout);
    char byte;
    while (::read(STDIN_FILENO, &byte, 1) > 0) {
    }
    return 0;
}
