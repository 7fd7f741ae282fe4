#pragma once

namespace tolvik {

/// Lowers the calling worker thread's CPU priority, once per thread. Reading and sorting thousands of reminders
/// keeps every core busy; on a machine with few cores the main thread, which paints and takes input, must then
/// still get a core at once instead of waiting for a worker's time slice to end.
void lowerWorkerPriority();

} // namespace tolvik
