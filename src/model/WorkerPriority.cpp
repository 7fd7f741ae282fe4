#include "model/WorkerPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace tolvik {

void lowerWorkerPriority()
{
    thread_local bool lowered = false;
    if (lowered) {
        return;
    }
    lowered = true;
    // Linux gives a nice value to the one thread whose id is passed, not to the whole process. Qt's own thread
    // priorities do nothing under the default scheduler. A failure only leaves the thread as it was.
    constexpr int workerNiceness = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), workerNiceness);
}

} // namespace tolvik
