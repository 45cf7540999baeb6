// The object factory: engine objects by ProgID, with a switch to make ProgIDs unavailable.
#include "engine/factory.h"

#include <mutex>
#include <new>
#include <set>
#include <string>

#include "engine/dom_document.h"
#include "engine/mx_writer.h"
#include "engine/sax_attributes.h"
#include "engine/testing.h"

namespace vdxml_engine {
namespace {

struct Registration {
    const wchar_t* progId;
    IUnknown* (*create)();
};

const Registration kRegistrations[] = {
    {L"MsXml2.DomDocument.4.0", CreateDomDocument},
    {L"MsXml2.DomDocument", CreateDomDocument},
    {L"MsXml2.MXXMLWriter.4.0", CreateMxWriter},
    {L"MsXml2.MXXMLWriter", CreateMxWriter},
    {L"MsXml2.SAXAttributes.4.0", CreateSaxAttributes},
    {L"MsXml2.SAXAttributes", CreateSaxAttributes},
};

// ProgIDs compare without regard to ASCII case, as the registry compares them.
std::wstring Normalised(const wchar_t* progId) {
    std::wstring key(progId);
    for (wchar_t& c : key)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return key;
}

std::mutex g_mutex;
std::set<std::wstring>& DisabledProgIds() {
    static std::set<std::wstring> disabled;
    return disabled;
}

bool IsDisabled(const std::wstring& key) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return DisabledProgIds().count(key) != 0;
}

}  // namespace

long CreateInstance(const wchar_t* progId, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!progId) return REGDB_E_CLASSNOTREG;
    try {
        const std::wstring key = Normalised(progId);
        for (const Registration& registration : kRegistrations) {
            if (Normalised(registration.progId) != key) continue;
            if (IsDisabled(key)) return REGDB_E_CLASSNOTREG;
            IUnknown* created = registration.create();
            const long hr = created->QueryInterface(riid, object);
            created->Release();
            return hr;
        }
        return REGDB_E_CLASSNOTREG;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const _com_error& error) {
        return error.Error();
    }
}

long CreateInstanceAnyVersion(const wchar_t* name, REFIID riid, void** object) {
    if (name) {
        try {
            const long hr = CreateInstance((std::wstring(name) + L".4.0").c_str(), riid, object);
            if (SUCCEEDED(hr)) return hr;
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    }
    return CreateInstance(name, riid, object);
}

}  // namespace vdxml_engine

void VdXmlTestingSetProgIdAvailable(const wchar_t* progId, bool available) {
    using namespace vdxml_engine;
    if (!progId) return;
    std::wstring key = Normalised(progId);
    std::lock_guard<std::mutex> lock(g_mutex);
    if (available)
        DisabledProgIds().erase(key);
    else
        DisabledProgIds().insert(std::move(key));
}

void VdXmlTestingResetProgIds() {
    using namespace vdxml_engine;
    std::lock_guard<std::mutex> lock(g_mutex);
    DisabledProgIds().clear();
}
