// DEMO_ADDRESS_SANITIZER is 1 in a build with AddressSanitizer, whichever
// compiler made it: GCC says so with __SANITIZE_ADDRESS__, clang through
// __has_feature.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define DEMO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DEMO_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef DEMO_ADDRESS_SANITIZER
#define DEMO_ADDRESS_SANITIZER 0
#endif
