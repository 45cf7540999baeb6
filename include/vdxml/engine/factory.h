// Creation of engine objects by ProgID, the way the platform's object factory does it.
#pragma once

#include "vdxml/platform/unknown.h"

namespace VdXmlEngine {

/// Creates the object registered under progId and asks it for riid. S_OK, or
/// REGDB_E_CLASSNOTREG for an unknown or disabled ProgID, or E_NOINTERFACE.
/// Known ProgIDs: "MsXml2.DomDocument.4.0", "MsXml2.DomDocument", "MsXml2.MXXMLWriter.4.0",
/// "MsXml2.MXXMLWriter", "MsXml2.SAXAttributes.4.0", "MsXml2.SAXAttributes".
long CreateInstance(const wchar_t* progId, REFIID riid, void** object);

/// Makes a ProgID unavailable (or available again) to CreateInstance, so that the fallback
/// and failure paths can be exercised. Affects the whole process.
void SetProgIdAvailable(const wchar_t* progId, bool available);

/// Makes every ProgID available again.
void ResetProgIds();

}  // namespace VdXmlEngine

/// Creates an engine object into a counted pointer: ptr.CreateInstance(progId) style.
template <class Ptr>
long CreateEngineObject(Ptr& out, const wchar_t* progId) {
    out = nullptr;
    void* object = nullptr;
    long hr = VdXmlEngine::CreateInstance(progId, uuidof<typename Ptr::Interface>(), &object);
    if (hr >= 0) out.Attach(static_cast<typename Ptr::Interface*>(object));
    return hr;
}
