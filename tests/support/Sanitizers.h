// Whether this build runs under AddressSanitizer or ThreadSanitizer (cmake/Sanitizers.cmake).
#pragma once

namespace velmora::test {

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VELMORA_TEST_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VELMORA_TEST_SANITIZED 1
#endif

// The sanitizers reserve terabytes of address space for their shadow memory, so a process under
// an address-space limit (ulimit -v) cannot start.
#ifdef VELMORA_TEST_SANITIZED
inline constexpr bool sanitized = true;
#else
inline constexpr bool sanitized = false;
#endif

} // namespace velmora::test
