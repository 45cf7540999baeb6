// The "Pnt" element: identifier, class, subclass and epoch of a point.
#include "vdxml/point.h"

#include "elements/entry_sequence.h"
#include "elements/read_rows.h"
#include "vdxml/geometry_texts.h"
#include "vdxml/vocabulary.h"

long CVdXmlPoint::Create(const CVdXmlNode& parent, const VDXML_POINT& point) {
    const long hr = CreateNamedElement(parent, VdXml::tagPoint, point);
    if (FAILED(hr)) return hr;
    return vdxml_elements::EntrySequence(*this, hr)
        .Enumerated(VdXml::tagClass, point.Class, VdXml::enumPointClass)
        .Enumerated(VdXml::tagSubClass, point.SubClass, VdXml::enumPointSubClass)
        .Then(VdXmlIsSet(point.Epoch),
              [&] { return InsertEntryDateTimeMjd(VdXml::tagEpoch, point.Epoch); })
        .Status();
}

long CVdXmlPoint::Read(VDXML_ELEMENT& element, VDXML_POINT& point) {
    return vdxml_elements::ReadByRows(element, point, &ReadValues);
}
