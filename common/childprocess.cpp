#include "common/childprocess.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

void endWithParent(QProcess& process)
{
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        // Between fork and exec only what is safe there: one system call and a check.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // A parent that died before the line above sends nothing any more.
        if (::getppid() != parent)
            ::_exit(127);
    });
}
