#include "vdxml/platform/com_ptr.h"

bool IsSameComObject(IUnknown* a, IUnknown* b) {
    if (!a || !b) return a == b;
    _com_ptr_t<IUnknown> ua, ub;
    if (ua.QueryFrom(a) < 0 || ub.QueryFrom(b) < 0) return false;
    return ua.GetInterfacePtr() == ub.GetInterfacePtr();
}
