// The "Project" element: name, dates, address, averaging limits and modified grid.
#include "vdxml/project.h"

#include "elements/entry_sequence.h"
#include "elements/read_rows.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

long CVdXmlProject::Create(const CVdXmlNode& parent, const VDXML_PROJECT& project) {
    const long hr = CreateNamedElement(parent, VdXml::tagProject, project);
    if (FAILED(hr)) return hr;

    EntrySequence entries(*this, hr);
    entries
        .Then(project.Created > 0,
              [&] { return InsertEntryDateTimeMjd(VdXml::tagCreated, project.Created); })
        .Then(VdXmlIsSet(project.Timezone),
              [&] { return InsertEntryTimeSpanMjd(VdXml::tagTimezone, project.Timezone); })
        .Then(VdXmlIsSet(project.LeapSecond),
              [&] { return InsertEntryTimeSpanMjd(VdXml::tagLeapSecond, project.LeapSecond); })
        .Text(VdXml::tagManager, project.Manager)
        .Text(VdXml::tagClient, project.Client)
        .Text(VdXml::tagStreet, project.Street)
        .Text(VdXml::tagMapRef, project.MapRef)
        .Then(project.AvgLimit.Pos > 0 || project.AvgLimit.Hgt > 0,
              [&] { return InsertAvgLimit(project.AvgLimit); })
        // A NaN scale factor counts as given: it is not 0.
        .Then(!(project.ModifiedGrid.ScaleFactor == 0),
              [&] { return InsertModifiedGrid(project.ModifiedGrid); });
    return entries.Status();
}

long CVdXmlProject::InsertAvgLimit(const VDXML_AVGLIMIT& limit) {
    CVdXmlNode* node = nullptr;
    const long hr = CreateTableElement(*this, NODE_AVGLIMIT, VdXml::tagAvgLimit, node);
    if (FAILED(hr)) return hr;
    return EntrySequence(*node, hr)
        .Number(limit.Pos > 0, VdXml::tagPos, limit.Pos, 5)
        .Number(limit.Hgt > 0, VdXml::tagHgt, limit.Hgt, 5)
        .Status();
}

long CVdXmlProject::InsertModifiedGrid(const VDXML_MODIFIEDGRID& grid) {
    CVdXmlNode* node = nullptr;
    const long hr = CreateTableElement(*this, NODE_MODIFIEDGRID, VdXml::tagModifiedGrid, node);
    if (FAILED(hr)) return hr;
    return EntrySequence(*node, hr)
        .Number(true, VdXml::tagScaleFactor, grid.ScaleFactor, 12)
        .Number(true, VdXml::tagFalseEasting, grid.FalseEasting, 5)
        .Number(true, VdXml::tagFalseNorthing, grid.FalseNorthing, 5)
        .Status();
}

long CVdXmlProject::Read(VDXML_ELEMENT& element, VDXML_PROJECT& project) {
    return vdxml_elements::ReadByRows(element, project, &ReadValues);
}
