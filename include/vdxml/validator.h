// CVdXmlValidator: checks a file against the format before an application imports it. The file
// is read once, front to back, in memory bounded by its nesting: it is validated against the
// format's schema (schema/vdxml.xsd, compiled into the library) and then against the rules a
// schema cannot express. Every problem found is reported with its line and a sentence, not
// only the first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"
#include "vdxml/platform/status.h"

/// Validate's status for a file that was read but is not valid: the findings say why.
constexpr long VDXML_E_INVALID = vdxml_detail::FromHresult(0x80040202u);

/// One problem found in a file.
struct VDXML_API VDXML_FINDING {
    /// What kind of problem it is.
    enum enmKind : std::int32_t {
        KIND_FILE = 1,     ///< the file cannot be opened or read
        KIND_SYNTAX,       ///< the file is not well-formed XML
        KIND_ROOT,         ///< the root element is not a survey's
        KIND_NAMESPACE,    ///< elements the readers cannot see: a prefix or another namespace
        KIND_STRUCTURE,    ///< an element or attribute where the format has none, or missing
        KIND_VALUE,        ///< a text that is not of its entry's form
        KIND_CONSISTENCY,  ///< entries that do not agree with each other
    };
    enmKind kind = KIND_STRUCTURE;
    long line = 0;    ///< 1-based line of the problem; 0 for the file as a whole
    long column = 0;  ///< 1-based column where the element's start tag ends; 0 when not known
    _bstr_t message;  ///< the problem in words
};

/// Receives the findings of a validation in the order they are found.
class VDXML_API IVdXmlFindings {
  public:
    virtual void OnFinding(const VDXML_FINDING& finding) = 0;

  protected:
    ~IVdXmlFindings() = default;
};

/// Validates survey files. One object validates any number of files, one after the other; it
/// belongs to one thread at a time (separate objects may work on separate threads). The
/// schema is compiled on the first Validate and kept. // exported
class VDXML_API CVdXmlValidator {
  public:
    CVdXmlValidator();
    ~CVdXmlValidator();
    CVdXmlValidator(const CVdXmlValidator&) = delete;
    CVdXmlValidator& operator=(const CVdXmlValidator&) = delete;

    /// Validates the file at path (UTF-8) and hands every finding to findings as it is found.
    /// Returns S_OK for a valid file; VDXML_E_INVALID for a file with findings (also one that
    /// is not well-formed: the findings before the fault and the fault itself); for a file
    /// that cannot be opened or read its status (0x8007xxxx), with one finding of
    /// KIND_FILE; E_FAIL when the schema does not compile; E_OUTOFMEMORY. A findings object
    /// that raises stops the validation with E_FAIL (or the _com_error's status).
    long Validate(const char* path, IVdXmlFindings& findings);
    /// The same, with the findings collected in file order into findings (cleared first).
    long Validate(const char* path, std::vector<VDXML_FINDING>& findings);
    /// The number of elements the last Validate read.
    long long GetElementCount() const;

    /// The schema's text, as installed to share/vdxml/vdxml.xsd. // exported
    static const std::string& GetSchemaText();

  private:
    struct Impl;
    Impl* m_impl;
};
