// own
#include "model/formats/archive.h"
#include "model/btn.h"
#include "model/station.h"
#include "model/zone.h"
#include "tests/model/bytes.h"

// std
#include <gtest/gtest.h>

namespace {
std::vector<uint8_t> StoredText(const std::string& text) {
    std::vector<uint8_t> sink;
    CArchive ar(CArchive::Store{}, sink);
    ar.WriteText(text);
    return sink;
}

std::string LoadedText(const std::vector<uint8_t>& bytes) {
    CArchive ar(bytes);
    std::string text = ar.ReadText();
    EXPECT_EQ(ar.Remaining(), 0u);
    return text;
}

CArchiveException::Cause CauseOf(const std::vector<uint8_t>& bytes, const CRuntimeClass& expected) {
    // Zone records, one after the other, until the archive refuses.
    CArchive ar(bytes);
    try {
        for (;;) {
            ar.ReadNewObjectTag(expected);
            ar.ReadWord();
        }
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
}
} // namespace

TEST(Archive, TextLengthFormsSwitchAt255And65534) {
    EXPECT_EQ(StoredText("").front(), 0);
    auto t254 = StoredText(std::string(254, 'a'));
    EXPECT_EQ(t254.size(), 255u);
    EXPECT_EQ(t254[0], 0xFE);
    auto t255 = StoredText(std::string(255, 'a'));
    EXPECT_EQ(std::vector<uint8_t>(t255.begin(), t255.begin() + 3),
              (std::vector<uint8_t>{0xFF, 0xFF, 0x00}));
    auto t65533 = StoredText(std::string(65533, 'a'));
    EXPECT_EQ(std::vector<uint8_t>(t65533.begin(), t65533.begin() + 3),
              (std::vector<uint8_t>{0xFF, 0xFD, 0xFF}));
    // 65534 would collide with the 16-bit character mark.
    auto t65534 = StoredText(std::string(65534, 'a'));
    EXPECT_EQ(std::vector<uint8_t>(t65534.begin(), t65534.begin() + 7),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    for (std::size_t n : {0u, 254u, 255u, 65533u, 65534u, 70000u}) {
        const std::string text(n, 'q');
        EXPECT_EQ(LoadedText(StoredText(text)), text) << n;
    }
}

TEST(Archive, ReadsSixteenBitTextsAsSingleBytes) {
    // "Aé€" in UTF-16 with a one-byte second prefix.
    const auto shortForm =
        CBytes().Byte(0xFF).Word(0xFFFE).Byte(3).Word('A').Word(0xE9).Word(0x20AC);
    EXPECT_EQ(LoadedText(shortForm.bytes), "A\xE9\x80");
    // Second prefix in its WORD form, where 0xFFFE is a plain length.
    CBytes wordForm;
    wordForm.Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(300);
    for (int i = 0; i < 300; ++i)
        wordForm.Word('z');
    EXPECT_EQ(LoadedText(wordForm.bytes), std::string(300, 'z'));
    CBytes dwordForm;
    dwordForm.Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Dword(2).Word('o').Word('k');
    EXPECT_EQ(LoadedText(dwordForm.bytes), "ok");
}

TEST(Archive, RefusesSixteenBitCharacterWithoutSingleByteForm) {
    const auto bytes = CBytes().Byte(0xFF).Word(0xFFFE).Byte(1).Word(0x4E2D).bytes;
    CArchive ar(bytes);
    try {
        ar.ReadText();
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::InvalidContent);
    }
}

TEST(Archive, TextLongerThanTheDataIsEndOfFileNotAnAllocation) {
    for (const auto& bytes :
         {CBytes().Byte(0xFF).Word(0xFFFF).Dword(0xFFFFFFFF).bytes,
          CBytes().Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Dword(0xFFFFFFFF).bytes,
          CBytes().Byte(10).Raw("short").bytes}) {
        CArchive ar(bytes);
        try {
            ar.ReadText();
            FAIL();
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::EndOfFile);
        }
    }
}

TEST(Archive, CountUsesDwordFrom0xFFFF) {
    std::vector<uint8_t> sink;
    CArchive out(CArchive::Store{}, sink);
    out.WriteCount(0xFFFE);
    out.WriteCount(0xFFFF);
    out.WriteCount(100000);
    EXPECT_EQ(sink,
              CBytes().Word(0xFFFE).Word(0xFFFF).Dword(0xFFFF).Word(0xFFFF).Dword(100000).bytes);
    CArchive in(sink);
    EXPECT_EQ(in.ReadCount(), 0xFFFEu);
    EXPECT_EQ(in.ReadCount(), 0xFFFFu);
    EXPECT_EQ(in.ReadCount(), 100000u);
}

TEST(Archive, ClassRecordOnFirstUseThenReferenceByNumber) {
    std::vector<uint8_t> sink;
    CArchive ar(CArchive::Store{}, sink);
    ar.WriteObjectTag(CStation::classCStation); // class 1, object 2
    ar.WriteObjectTag(CZone::classCZone);       // class 3, object 4
    ar.WriteObjectTag(CZone::classCZone);       // object 5
    ar.WriteObjectTag(CStation::classCStation); // object 6
    EXPECT_EQ(
        sink,
        CBytes().ClassRecord("CStation").ClassRecord("CZone").Word(0x8003).Word(0x8001).bytes);
}

TEST(Archive, ClassNumbersFrom0x7FFFUseTheDwordTag) {
    std::vector<uint8_t> sink;
    CArchive ar(CArchive::Store{}, sink);
    ar.WriteObjectTag(CStation::classCStation);
    for (int i = 0; i < 0x7FFE; ++i)
        ar.WriteObjectTag(CStation::classCStation);
    const std::size_t mark = sink.size();
    ar.WriteObjectTag(CZone::classCZone); // class 0x8001
    ar.WriteObjectTag(CZone::classCZone);
    const std::vector<uint8_t> tail(sink.begin() + static_cast<std::ptrdiff_t>(mark), sink.end());
    EXPECT_EQ(tail, CBytes().ClassRecord("CZone").Word(0x7FFF).Dword(0x80008001).bytes);

    CArchive in(sink);
    for (int i = 0; i < 0x7FFF; ++i)
        in.ReadNewObjectTag(CStation::classCStation);
    in.ReadNewObjectTag(CZone::classCZone);
    in.ReadNewObjectTag(CZone::classCZone);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, ReadsClassReferencesInBothForms) {
    const auto bytes =
        CBytes().ClassRecord("CZone").Word(0x8001).Word(0x7FFF).Dword(0x80000001).bytes;
    CArchive ar(bytes);
    for (int i = 0; i < 3; ++i)
        ar.ReadNewObjectTag(CZone::classCZone);
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(Archive, RefusesMalformedObjectRecords) {
    using C = CArchiveException;
    const auto& zone = CZone::classCZone;
    EXPECT_EQ(CauseOf(CBytes().ClassRecord(std::string(64, 'C')).bytes, zone), C::BadClass);
    EXPECT_EQ(CauseOf(CBytes().ClassRecord("CZones").bytes, zone), C::BadClass);
    EXPECT_EQ(CauseOf(CBytes().ClassRecord("czone").bytes, zone), C::BadClass);
    EXPECT_EQ(CauseOf(CBytes().Word(0xFFFF).Word(1).Word(5).Raw("CZone").bytes, zone),
              C::BadSchema);
    EXPECT_EQ(CauseOf(CBytes().Word(0x8001).bytes, zone), C::BadIndex);
    EXPECT_EQ(CauseOf(CBytes().Word(0x7FFF).Dword(0x80000009).bytes, zone), C::BadIndex);
    EXPECT_EQ(CauseOf(CBytes().Word(0x0005).bytes, zone), C::BadIndex);
    // A class number that belongs to an object is no class.
    EXPECT_EQ(CauseOf(CBytes().ClassRecord("CZone").Word(0).Word(0x8002).bytes, zone), C::BadIndex);
    EXPECT_EQ(CauseOf(CBytes().Word(0x0000).bytes, zone), C::InvalidContent);
    EXPECT_EQ(CauseOf(CBytes().Word(0x7FFF).Dword(0).bytes, zone), C::InvalidContent);
    EXPECT_EQ(CauseOf(CBytes().ClassRecord("CStation").bytes, zone), C::InvalidContent);
    EXPECT_EQ(CauseOf(CBytes().ClassRecord("CBtn").bytes, zone), C::InvalidContent);
    EXPECT_EQ(CauseOf(CBytes().Word(0xFFFF).Word(0).bytes, zone), C::EndOfFile);
    EXPECT_EQ(CauseOf(CBytes().ClassRecord("CZone").Word(1).Word(0x8001).Word(2).bytes, zone),
              C::EndOfFile);
}

TEST(Archive, RefusesAReferenceToAnObjectAlreadyStored) {
    const auto bytes = CBytes().ClassRecord("CZone").Word(0).Word(0x0002).bytes;
    CArchive ar(bytes);
    ar.ReadNewObjectTag(CZone::classCZone);
    ar.ReadWord();
    try {
        ar.ReadNewObjectTag(CZone::classCZone);
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::InvalidContent);
    }
}

TEST(Archive, ObjectsComeFromTheirClassFactory) {
    const auto bytes = CBytes().ClassRecord("CZone").Word(42).bytes;
    CArchive ar(bytes);
    auto object = ar.ReadObject(CZone::classCZone);
    ASSERT_EQ(&object->GetRuntimeClass(), &CZone::classCZone);
    EXPECT_EQ(static_cast<CZone&>(*object).m_nZone, 42);
    EXPECT_EQ(FindRuntimeClass("CBtn"), &CBtn::classCBtn);
    EXPECT_EQ(FindRuntimeClass("CObject"), nullptr);
}

TEST(Archive, BoundedCountNeverExceedsWhatTheDataHolds) {
    const std::vector<uint8_t> bytes(10);
    CArchive ar(bytes);
    EXPECT_EQ(ar.BoundedCount(0xFFFFFFFF, 4), 2u);
    EXPECT_EQ(ar.BoundedCount(1, 4), 1u);
}
