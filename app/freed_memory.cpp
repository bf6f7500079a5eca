#include "app/freed_memory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace orvane {

void KeepFreedMemoryForReuse() {
#if defined(M_TRIM_THRESHOLD) && defined(M_MMAP_THRESHOLD)
    // A printed page is compressed with a fresh quarter of a megabyte of work space. Under the
    // default threshold (128 KiB) that space went back to the system after every page and was
    // faulted in afresh for the next one: a thousand page faults a ticket, twice the time the
    // drawing takes. Setting the threshold stops glibc from raising its mmap threshold by
    // itself, so that is set too, above the preview's page pictures (3.5 MB at 100 %), which
    // then come from the heap again and again instead of fresh mappings.
    mallopt(M_TRIM_THRESHOLD, 8 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
#endif
}

} // namespace orvane
