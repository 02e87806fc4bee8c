// own
#include "model/object.h"
#include "model/btn.h"
#include "model/station.h"
#include "model/zone.h"

// std
#include <array>

const CRuntimeClass* FindRuntimeClass(std::string_view name) {
    static const std::array<const CRuntimeClass*, 3> registry = {
        &CStation::classCStation, &CBtn::classCBtn, &CZone::classCZone};
    for (const CRuntimeClass* cls : registry)
        if (name == cls->m_lpszClassName) return cls;
    return nullptr;
}
