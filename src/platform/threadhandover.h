#pragma once

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

// A job handed to another thread through a library that ThreadSanitizer
// cannot see into (Debian's Qt is not built with it): the sending thread
// releases once the job is made, the receiving thread acquires before it
// reads any of it, so that the checker sees the order the library keeps.
// Nothing at all in a build without ThreadSanitizer.
namespace ThreadHandOver {

inline void release([[maybe_unused]] const void* token)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(const_cast<void*>(token));
#endif
}

inline void acquire([[maybe_unused]] const void* token)
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<void*>(token));
#endif
}

} // namespace ThreadHandOver
