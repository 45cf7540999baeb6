#include "engine/sax_attributes.h"

#include "engine/com_object.h"

namespace vdxml_engine {

IUnknown* CreateSaxAttributes() { return static_cast<IMXAttributes*>(new SaxAttributes()); }

long SaxAttributes::QueryInterface(REFIID riid, void** object) {
    return QueryInterfaceOf<IMXAttributes, ISAXAttributes>(this, riid, object);
}

unsigned long SaxAttributes::Release() {
    const unsigned long left = --m_refs;
    if (left == 0) delete this;
    return left;
}

void SaxAttributes::addAttribute(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName,
                                 const _bstr_t& type, const _bstr_t& value) {
    if (localName.empty() && qName.empty()) ThrowError(E_INVALIDARG, L"an attribute needs a name");
    m_entries.push_back(Entry{uri, localName, qName, type, value});
}

const SaxAttributes::Entry& SaxAttributes::At(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size())
        ThrowError(E_INVALIDARG, L"attribute index out of range");
    return m_entries[static_cast<std::size_t>(index)];
}

_bstr_t SaxAttributes::getQName(int index) {
    const Entry& entry = At(index);
    return entry.qName.empty() ? entry.localName : entry.qName;
}

_bstr_t SaxAttributes::getValue(int index) { return At(index).value; }

}  // namespace vdxml_engine
