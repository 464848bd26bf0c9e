#pragma once
// Large buffers about to be filled: a saved game's file image and its tables run to tens of
// megabytes, and on a virtual machine the first touch of every 4 KiB page can cost several
// microseconds, more than the copy into it.

#include <cstddef>

namespace kv {

// Asks the kernel to back [p, p + n) with huge pages where the range allows and to map all of
// it at once, before anything is written into it. Only a hint: the contents are untouched,
// and nothing happens for a range too small to gain or where the kernel does not offer it.
void PrepareForFilling(void* p, std::size_t n);

// Only the first half of PrepareForFilling: huge pages where the range allows, mapped as they
// are first written. For room reserved ahead that fills over a season and may never fill
// whole: it costs a fault every 2 MiB instead of every 4 KiB, and at most one partly used huge
// page more than written.
void AdviseHugePages(void* p, std::size_t n);

// For room reserved ahead that fills from its start: huge pages over [p, p + n) as
// AdviseHugePages, and the stretch before the first huge page, written first, mapped at once
// as PrepareForFilling.
void PrepareForGrowth(void* p, std::size_t n);

}  // namespace kv
