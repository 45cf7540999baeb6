// VDXML_API marks what the library exports: the classes, records and functions of the public
// interface. The library is built with hidden visibility, so a shared build offers callers
// exactly what carries the mark; a static build is the same code without the distinction.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define VDXML_API __attribute__((visibility("default")))
#else
#define VDXML_API
#endif
