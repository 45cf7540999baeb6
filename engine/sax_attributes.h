// The attribute collection object ("MsXml2.SAXAttributes"): filled with addAttribute and
// handed to the writer's startElement, which reads it through ISAXAttributes.
#pragma once

#include <vector>

#include "engine/sax.h"

namespace vdxml_engine {

class SaxAttributes final : public IMXAttributes, public ISAXAttributes {
  public:
    SaxAttributes() = default;

    long QueryInterface(REFIID riid, void** object) override;
    unsigned long AddRef() override { return ++m_refs; }
    unsigned long Release() override;

    // IMXAttributes
    void clear() override { m_entries.clear(); }
    void addAttribute(const _bstr_t& uri, const _bstr_t& localName, const _bstr_t& qName,
                      const _bstr_t& type, const _bstr_t& value) override;

    // ISAXAttributes; an index out of range raises E_INVALIDARG.
    int getLength() override { return static_cast<int>(m_entries.size()); }
    /// The qualified name, or the local name when no qualified name was given.
    _bstr_t getQName(int index) override;
    _bstr_t getValue(int index) override;

  private:
    struct Entry {
        _bstr_t uri;
        _bstr_t localName;
        _bstr_t qName;
        _bstr_t type;
        _bstr_t value;
    };

    ~SaxAttributes() override = default;
    const Entry& At(int index) const;

    unsigned long m_refs = 1;
    std::vector<Entry> m_entries;  // cleared, not freed, between elements
};

/// A new attribute collection with one reference, as the object factory hands it out.
IUnknown* CreateSaxAttributes();

}  // namespace vdxml_engine
