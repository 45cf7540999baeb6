// Creation of engine objects by ProgID, the way the platform's object factory does it.
#pragma once

#include "vdxml/platform/unknown.h"

namespace vdxml_engine {

/// Creates the object registered under progId and asks it for riid. ProgIDs compare without
/// regard to ASCII case. Known ProgIDs: "MsXml2.DomDocument.4.0", "MsXml2.DomDocument",
/// "MsXml2.MXXMLWriter.4.0", "MsXml2.MXXMLWriter", "MsXml2.SAXAttributes.4.0",
/// "MsXml2.SAXAttributes". A ProgID switched off for the tests (engine/testing.h) counts as
/// not registered.
/// @param progId the name of the object, null accepted (not registered)
/// @param riid   the interface wanted
/// @param object receives the interface with one reference, or null on failure
/// @return S_OK; REGDB_E_CLASSNOTREG for a null, unknown or disabled ProgID; E_NOINTERFACE
///         when the object does not offer riid (it is freed again); E_POINTER for a null
///         object; E_OUTOFMEMORY
long CreateInstance(const wchar_t* progId, REFIID riid, void** object);

/// Creates the object of the versioned ProgID (name + ".4.0") and, when that one is not
/// available, the object of the version-independent name; the statuses of CreateInstance,
/// those of the second attempt when there is one.
long CreateInstanceAnyVersion(const wchar_t* name, REFIID riid, void** object);

}  // namespace vdxml_engine

/// Creates an engine object into a counted pointer, by its versioned ProgID first: how every
/// part of the library gets its engine objects.
/// @param out  receives the object as Ptr::Interface; null on failure
/// @param name the version-independent ProgID ("MsXml2.DomDocument")
/// @return the status of vdxml_engine::CreateInstanceAnyVersion
template <class Ptr>
long CreateEngineObject(Ptr& out, const wchar_t* name) {
    out = nullptr;
    void* object = nullptr;
    long hr =
        vdxml_engine::CreateInstanceAnyVersion(name, uuidof<typename Ptr::Interface>(), &object);
    if (hr >= 0) out.Attach(static_cast<typename Ptr::Interface*>(object));
    return hr;
}
