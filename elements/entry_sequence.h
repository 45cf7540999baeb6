// Writing helpers shared by the element writers: a sequence of conditional entries that stops
// at the first failure, the temporary wrapper of a sub-element, and the dimension of a
// quality block from the values a block holds.
#pragma once

#include "vdxml/enum_text.h"
#include "vdxml/geometry_records.h"
#include "vdxml/node.h"

namespace vdxml_elements {

/// Appends entries to one node in order. Once an entry fails, later calls write nothing and
/// Status() keeps that failure; otherwise Status() is the status of the last entry written
/// (or the initial status when none was).
class EntrySequence {
  public:
    explicit EntrySequence(const CVdXmlNode& node, long initial = S_OK)
        : m_node(node), m_status(initial) {}

    /// A number with precision decimals, when condition holds.
    EntrySequence& Number(bool condition, const _bstr_t& tag, double value, unsigned precision,
                          const VDXML_ATTRIBUTES* attrs = nullptr) {
        if (condition && !m_failed) Record(m_node.InsertEntry(tag, value, precision, attrs));
        return *this;
    }
    /// A number that is either given (no attribute) or computed (marked "vsrc" = "c").
    EntrySequence& Derived(bool condition, const _bstr_t& tag, double value, unsigned precision,
                           bool computed) {
        return Number(condition, tag, value, precision,
                      computed ? &CVdXmlNode::m_listAttrValueSourceComputed : nullptr);
    }
    /// A text, when it is not empty.
    EntrySequence& Text(const _bstr_t& tag, const _bstr_t& text) {
        if (!text.empty() && !m_failed) Record(m_node.InsertEntry(tag, text));
        return *this;
    }
    /// An enumerated code with its text, when the code is not 0.
    EntrySequence& Enumerated(const _bstr_t& tag, unsigned long code, const VdXmlEnumTable& table) {
        if (code != 0 && !m_failed) Record(m_node.InsertEnumerated(tag, code, table));
        return *this;
    }
    /// A comment after the previous entry, when that entry did not fail.
    EntrySequence& Comment(const _bstr_t& text) {
        if (!m_failed) Record(m_node.InsertComment(text));
        return *this;
    }
    /// Any other step, run only while nothing has failed; it returns a status.
    template <class Step>
    EntrySequence& Then(bool condition, Step&& step) {
        if (condition && !m_failed) Record(step());
        return *this;
    }

    long Status() const { return m_status; }
    bool Failed() const { return m_failed; }

  private:
    void Record(long status) {
        m_status = status;
        m_failed = FAILED(status);
    }

    const CVdXmlNode& m_node;
    long m_status;
    bool m_failed = false;
};

/// Creates element tag below parent through a temporary wrapper sharing owner's root, then
/// hands that wrapper to write; the wrapper is released on return, the element stays.
template <class Write>
long WriteSubElement(const CVdXmlNodeBase& owner, const CVdXmlNode& parent, const _bstr_t& tag,
                     Write&& write) {
    CVdXmlNode node(owner);
    const long hr = node.Create(parent, tag, nullptr);
    if (FAILED(hr)) return hr;
    return write(static_cast<const CVdXmlNode&>(node));
}

/// The dimension of the quality of a block: 1 without a position, 3 with a position and a
/// height, 2 with a position alone.
inline VDXML_COORD_TYPE QualityDimension(bool hasPosition, bool hasHeight) {
    if (!hasPosition) return VDXML_COORD_TYPE_1D;
    return hasHeight ? VDXML_COORD_TYPE_3D : VDXML_COORD_TYPE_2D;
}

}  // namespace vdxml_elements
