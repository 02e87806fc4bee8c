#pragma once
// The serialisable object base of the configuration records. Each record class has one runtime
// class record: its name, its schema number and a factory for a default-constructed object, so
// the file reader can recreate records by the class name stored in a file.

// std
#include <cstdint>
#include <memory>
#include <string_view>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    uint16_t m_wSchema;
    // A default-constructed object of the class; the caller owns it.
    std::unique_ptr<CObject> (*m_pfnCreateObject)();
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass& GetRuntimeClass() const = 0;
    // Stores or loads the record's fields; the archive tells the direction. Loading throws
    // CArchiveException on data the archive cannot read.
    virtual void Serialize(CArchive& ar) = 0;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject(CObject&&) = default;
    CObject& operator=(const CObject&) = default;
    CObject& operator=(CObject&&) = default;
};

template <class T> std::unique_ptr<CObject> CreateObjectOf() {
    return std::make_unique<T>();
}

// The registered record classes (CStation, CBtn, CZone): the one whose name equals `name`
// exactly, or nullptr.
const CRuntimeClass* FindRuntimeClass(std::string_view name);
