// LandXML 1.2, the open exchange format of civil and survey software: a survey file exported
// to it (units, application, projects, coordinate systems, points, total-station setups with
// their raw observations, GPS baselines) and a LandXML file imported into a survey file (the
// same subset, GPS baselines aside). docs/landxml.md gives the mapping field by field and
// what each direction loses. Both directions stream: memory stays bounded whatever the size.
#pragma once

#include <vector>

#include "vdxml/backend.h"
#include "vdxml/code_page.h"
#include "vdxml/export.h"
#include "vdxml/platform/bstr.h"

/// What a conversion wrote and what it passed over.
struct VDXML_API VDXML_LANDXML_SUMMARY {
    long long points = 0;        ///< points written
    long long setups = 0;        ///< total-station setups written
    long long observations = 0;  ///< raw observations written
    long long baselines = 0;     ///< GPS baselines written (export only)
    long long skipped = 0;  ///< elements passed over: unknown or without a place on the other side
    std::vector<_bstr_t> messages;  ///< what was passed over or refused, in words
};

namespace VdXml {

/// Writes the survey file source (a UTF-8 path) as a LandXML 1.2 document at target, read
/// front to back and written as it is read. target is replaced only when the document is
/// complete (a device such as /dev/stdout is written in place).
/// @return S_OK; E_FAIL for a null or empty path; the read's failure (a file error 0x8007xxxx,
///         0xC00C0000 | the parser's code for a file that is not well-formed, hostile or too
///         deep) or the write's; summary (optional) tells what was written and the reason of
///         a failure in messages
VDXML_API long ExportLandXml(const char* source, const char* target,
                             VDXML_LANDXML_SUMMARY* summary = nullptr);

/// Writes the LandXML document source (a UTF-8 path) as a survey file at target through the
/// library's writers and the back end docType (DOCTYPE_STREAM or DOCTYPE_DOM). Elements
/// outside the mapping are skipped and counted. target is replaced only on success.
/// @return S_OK; E_FAIL for a null or empty path; VDXML_E_NOT_LANDXML for a document whose
///         root is not "LandXML" in the LandXML 1.2 namespace; VDXML_E_LANDXML_VALUE for a
///         value the mapping cannot take (a unit without a counterpart, a number that is not
///         one); the read's failure as for ExportLandXml; the writers' failure
VDXML_API long ImportLandXml(const char* source, const char* target, IVdXmlDoc::enmDocType docType,
                             VDXML_LANDXML_SUMMARY* summary = nullptr);
/// ImportLandXml with the code page the survey file's texts pass through (VDXML_ROOT::CodePage;
/// the overload above writes Windows-1252). An unknown page fails with E_FAIL before writing.
VDXML_API long ImportLandXml(const char* source, const char* target, IVdXmlDoc::enmDocType docType,
                             VDXML_CODEPAGE codePage, VDXML_LANDXML_SUMMARY* summary = nullptr);

}  // namespace VdXml

/// ImportLandXml's status for a document that is not LandXML 1.2.
constexpr long VDXML_E_NOT_LANDXML = vdxml_detail::FromHresult(0x80040210u);
/// ImportLandXml's status for a value the mapping cannot take.
constexpr long VDXML_E_LANDXML_VALUE = vdxml_detail::FromHresult(0x80040211u);
