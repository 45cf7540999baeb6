// Creation of engine objects by ProgID, the way the platform's object factory does it.
#pragma once

#include "vdxml/platform/unknown.h"

namespace vdxml_engine {

/// Creates the object registered under progId and asks it for riid. ProgIDs compare without
/// regard to ASCII case. Known ProgIDs: "MsXml2.DomDocument.4.0", "MsXml2.DomDocument",
/// "MsXml2.MXXMLWriter.4.0", "MsXml2.MXXMLWriter", "MsXml2.SAXAttributes.4.0",
/// "MsXml2.SAXAttributes".
/// @param progId the name of the object, null accepted (not registered)
/// @param riid   the interface wanted
/// @param object receives the interface with one reference, or null on failure
/// @return S_OK; REGDB_E_CLASSNOTREG for a null, unknown or disabled ProgID; E_NOINTERFACE
///         when the object does not offer riid (it is freed again); E_POINTER for a null
///         object; E_OUTOFMEMORY
long CreateInstance(const wchar_t* progId, REFIID riid, void** object);

/// Makes a ProgID unavailable (or available again) to CreateInstance, so that the fallback
/// and failure paths can be exercised. Affects the whole process; safe from any thread. A
/// null progId does nothing.
void SetProgIdAvailable(const wchar_t* progId, bool available);

/// Makes every ProgID available again.
void ResetProgIds();

}  // namespace vdxml_engine

/// Creates an engine object into a counted pointer: ptr.CreateInstance(progId) style.
/// @param out    receives the object as Ptr::Interface; null on failure
/// @param progId see vdxml_engine::CreateInstance
/// @return the status of vdxml_engine::CreateInstance
template <class Ptr>
long CreateEngineObject(Ptr& out, const wchar_t* progId) {
    out = nullptr;
    void* object = nullptr;
    long hr = vdxml_engine::CreateInstance(progId, uuidof<typename Ptr::Interface>(), &object);
    if (hr >= 0) out.Attach(static_cast<typename Ptr::Interface*>(object));
    return hr;
}
