// Export macro of libtavrine_kalbex. The shared library is compiled with hidden visibility, so
// only what carries TK_API is part of its interface: the calculator classes, the registry and its
// entry points, the host, services and persistence interfaces, the documentation tables and the
// exceptions a host catches. Programs linking the static library get TK_STATIC from the
// tavrine_kalbex_static target, which leaves the macro empty.
#pragma once

#if defined(TK_STATIC) || !(defined(__GNUC__) || defined(__clang__))
#define TK_API
#else
#define TK_API __attribute__((visibility("default")))
#endif
