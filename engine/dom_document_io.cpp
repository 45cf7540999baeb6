// DomDocument's save, load and loadXML.
#include <new>

#include "engine/dom_document.h"
#include "engine/xml_parse.h"
#include "engine/xml_save.h"
#include "engine/xml_text.h"

namespace vdxml_engine {
namespace {

// A file name argument: a non-empty string.
std::string FileNameOf(const _variant_t& argument) {
    if (argument.vt() != VT_BSTR) ThrowError(E_INVALIDARG, L"a file name is expected");
    const _bstr_t name = argument.ToString();
    if (name.empty()) ThrowError(E_INVALIDARG, L"the file name is empty");
    return name.utf8();
}

}  // namespace

void DomDocument::save(const _variant_t& destination) {
    SaveTree(m_tree->Doc(), m_tree->Declared(), FileNameOf(destination));
}

bool DomDocument::load(const _variant_t& source) {
    return FinishLoad(ParseFile(FileNameOf(source), m_parseError));
}

bool DomDocument::loadXML(const _bstr_t& text) {
    return FinishLoad(ParseText(text.utf8(), m_parseError));
}

// The loaded tree replaces the document's; after a failure the document is empty.
bool DomDocument::FinishLoad(xmlDocPtr parsed) {
    if (!parsed) {
        ReplaceTree(std::make_unique<DomTree>());
        return false;
    }
    std::unique_ptr<DomTree> tree;
    try {
        tree = std::make_unique<DomTree>(parsed);
    } catch (const std::bad_alloc&) {
        xmlFreeDoc(parsed);
        ThrowError(E_OUTOFMEMORY, L"out of memory while loading");
    }
    ReplaceTree(std::move(tree));
    return true;
}

}  // namespace vdxml_engine
