#pragma once
// How the program's heap hands freed memory back to the system.

namespace orvane {

// Keeps a few megabytes of freed memory for the program's own reuse instead of returning it to
// the system as soon as it is freed.
void KeepFreedMemoryForReuse();

} // namespace orvane
