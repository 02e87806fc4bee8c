#pragma once
// CArchive: the object archive stream of .kvx files over a memory buffer. Little-endian values,
// length-prefixed texts, counts, and object records tagged with class records so that a reader
// can recreate objects by class name. Classes and objects share one numbering, from 1 per
// archive. A storing archive appends to a byte buffer it does not own; a loading archive reads a
// byte span it does not own, which must outlive it.
//
// Loading never reads past the end of its span and never allocates more than the remaining bytes
// could describe; anything it cannot read throws CArchiveException.

// own
#include "model/object.h"

// std
#include <cstdint>
#include <exception>
#include <span>
#include <string>
#include <utility>
#include <vector>

class CArchiveException : public std::exception {
public:
    enum Cause {
        EndOfFile,      // the data ends inside a value
        BadClass,       // class name too long or not registered
        BadSchema,      // schema differs from the registered class's
        BadIndex,       // an object or class number that was never assigned
        InvalidContent, // well-formed data that a configuration cannot hold
    };
    CArchiveException(Cause cause, std::size_t offset) : m_cause(cause), m_nOffset(offset) {}
    const char* what() const noexcept override;

    Cause m_cause;
    std::size_t m_nOffset; // the byte of the data at which reading stopped
};

class CArchive {
public:
    // Longest class name a class record may carry.
    static constexpr std::size_t kMaxClassName = 63;

    struct Store {};
    // A storing archive appending to `sink`.
    CArchive(Store, std::vector<uint8_t>& sink) : m_pSink(&sink) {}
    // A loading archive reading `source` from its start.
    explicit CArchive(std::span<const uint8_t> source) : m_source(source) {}
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_pSink != nullptr; }
    bool IsLoading() const { return m_pSink == nullptr; }

    // The version word of the file being read, which decides optional fields.
    uint16_t FileVersion() const { return m_wFileVersion; }
    void SetFileVersion(uint16_t version) { m_wFileVersion = version; }

    void WriteByte(uint8_t value);
    void WriteWord(uint16_t value);
    void WriteDword(uint32_t value);
    void WriteBytes(std::span<const uint8_t> bytes);
    // Length prefix of 1, 3 or 7 bytes, then the bytes of the text.
    void WriteText(const std::string& text);
    void WriteCount(std::size_t count);
    // The tag of a new object record: the class record on the class's first use, a class
    // reference afterwards. The caller then stores the object's fields.
    void WriteObjectTag(const CRuntimeClass& cls);

    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDword();
    // The next `n` bytes, a view into the source.
    std::span<const uint8_t> ReadBytes(std::size_t n);
    // A text in any of its length forms; the 16-bit character form is converted to single bytes
    // (a character without a single-byte form is refused as invalid content).
    std::string ReadText();
    uint32_t ReadCount();
    // The tag of a new object record of class `expected`, which takes the next object number.
    // A null element, a reference to an already stored object or another class is refused as
    // invalid content. The caller then loads the object's fields.
    void ReadNewObjectTag(const CRuntimeClass& expected);
    // A whole object record of class `expected`, created by its class's factory.
    std::unique_ptr<CObject> ReadObject(const CRuntimeClass& expected);

    // How many of `count` elements of at least `minBytes` each the remaining data could hold:
    // the most a reader may reserve for them.
    std::size_t BoundedCount(uint32_t count, std::size_t minBytes) const;
    std::size_t Remaining() const { return m_source.size() - m_nPos; }
    // Throws CArchiveException(InvalidContent).
    [[noreturn]] void RefuseContent() const;

private:
    void Need(std::size_t n) const {
        if (n > Remaining()) [[unlikely]]
            ThrowEndOfFile();
    }
    [[noreturn]] void ThrowEndOfFile() const;
    [[noreturn]] void Throw(CArchiveException::Cause cause) const;
    uint32_t ReadTextLength(bool& wide);
    const CRuntimeClass& ReadClassRecord();
    const CRuntimeClass* LoadedClass(uint32_t number) const;

    std::vector<uint8_t>* m_pSink = nullptr;
    std::span<const uint8_t> m_source;
    std::size_t m_nPos = 0;
    uint16_t m_wFileVersion = 0;
    // The number the next class or object record takes.
    uint32_t m_nNextNumber = 1;
    // Classes seen so far with their numbers, in ascending number order.
    std::vector<std::pair<const CRuntimeClass*, uint32_t>> m_classes;
};
