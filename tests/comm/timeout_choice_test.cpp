// CTimeoutChoice: the time-out table, the normalisation at opening, and when OK stores.

// own
#include "app/timeout_choice.h"
#include "platform/settings_key.h"
#include "tests/serial/xdg_scope.h"

#include <gtest/gtest.h>

namespace {

class TimeoutChoiceTest : public ::testing::Test {
protected:
    static std::string StoredTimeout() {
        return CSettingsKey().ReadString(kValueTimeout, "<none>");
    }

    CXdgScope xdg;
    CProgramSettings settings;
};

TEST(TimeoutOfIndex, EachEntryHasItsTimeoutAndAnythingElseTheDefault) {
    EXPECT_EQ(TimeoutOfIndex(0), 500);
    EXPECT_EQ(TimeoutOfIndex(1), 1000);
    EXPECT_EQ(TimeoutOfIndex(2), 3000);
    EXPECT_EQ(TimeoutOfIndex(3), 10000);
    EXPECT_EQ(TimeoutOfIndex(4), 30000);
    EXPECT_EQ(TimeoutOfIndex(-1), 3000);
    EXPECT_EQ(TimeoutOfIndex(5), 3000);
}

TEST_F(TimeoutChoiceTest, OffersTheEntryOfEachTimeoutInTheTableWithoutChangingIt) {
    for (int index = 0; index < 5; ++index) {
        settings.m_nTimeoutMs = TimeoutOfIndex(index);
        EXPECT_EQ(CTimeoutChoice(settings).InitialSel(), index);
        EXPECT_EQ(settings.m_nTimeoutMs, TimeoutOfIndex(index));
    }
}

TEST_F(TimeoutChoiceTest, TimeoutOutsideTheTableBecomes3SecondsAtOnceButStaysStored) {
    CSettingsKey().WriteInt(kValueTimeout, 2500);
    for (int32_t odd : {2500, 0, -1, INT32_MAX}) {
        settings.m_nTimeoutMs = odd;
        EXPECT_EQ(CTimeoutChoice(settings).InitialSel(), 2) << odd;
        EXPECT_EQ(settings.m_nTimeoutMs, 3000) << odd;
    }
    EXPECT_EQ(StoredTimeout(), "2500");
}

TEST_F(TimeoutChoiceTest, OkWithTheOpeningEntryStoresNothing) {
    settings.m_nTimeoutMs = 2500;
    CTimeoutChoice(settings).OnOK(2);
    EXPECT_EQ(StoredTimeout(), "<none>");
}

TEST_F(TimeoutChoiceTest, OkWithNoSelectionStoresTheDefault) {
    settings.m_nTimeoutMs = 500;
    CTimeoutChoice(settings).OnOK(-1);
    EXPECT_EQ(settings.m_nTimeoutMs, 3000);
    EXPECT_EQ(StoredTimeout(), "3000");
}

} // namespace
