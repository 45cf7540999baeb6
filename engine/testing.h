// The library's testing surface: the switches that make engine objects unavailable, so that
// tests can take the paths of a system where an engine object is not installed (the fallback
// to the version-independent ProgID, the failure without either). They are exported from the
// shared library, because they reach the library's own object factory, but declared in no
// installed header: applications have no use for them. C linkage keeps their names plain and
// outside every namespace, so the exported symbols name exactly these two.
#pragma once

#include "vdxml/export.h"

extern "C" {

/// Makes a ProgID unavailable (or available again) to the object factory. Affects the whole
/// process; safe from any thread. ProgIDs compare without regard to ASCII case; a null
/// progId does nothing.
VDXML_API void VdXmlTestingSetProgIdAvailable(const wchar_t* progId, bool available);

/// Makes every ProgID available again.
VDXML_API void VdXmlTestingResetProgIds();

}  // extern "C"
