// own
#include "framework/command_prompts.h"
#include "framework/command_route.h"

// std
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr CommandId kEverywhere = 40001; // handled by all four targets
constexpr CommandId kNotInView = 40002;  // handled by document, frame and application
constexpr CommandId kFrameAndApp = 40003;
constexpr CommandId kAppOnly = 40004;

// A target whose table handles the given ids and records who ran.
class CRecordingTarget : public CCmdTarget {
public:
    CRecordingTarget(std::string name, std::vector<std::string>& log, std::vector<CommandId> ids)
        : m_name(std::move(name)), m_log(log), m_ids(std::move(ids)) {}

    CommandHandlers FindCommand(CommandId id) override {
        for (CommandId handled : m_ids)
            if (handled == id) return {[this] { m_log.push_back(m_name); }, {}};
        return {};
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
    std::vector<CommandId> m_ids;
};

// A base frame with one command and a derived one that adds a checkable switch, as the main
// frame extends the remembering frame; handlers are private, as in the program's classes.
class CBaseFrame : public CCmdTarget {
public:
    CommandHandlers FindCommand(CommandId id) override;
    int communications = 0;

private:
    void OnCommunications() { ++communications; }
    static const CommandEntry<CBaseFrame> kCommands[];
};

const CommandEntry<CBaseFrame> CBaseFrame::kCommands[] = {
    {ID_TOOLS_COMMUNICATIONS, &CBaseFrame::OnCommunications},
};

CommandHandlers CBaseFrame::FindCommand(CommandId id) {
    return FindInTable(*this, kCommands, id);
}

class CSwitchFrame : public CBaseFrame {
public:
    CommandHandlers FindCommand(CommandId id) override;
    bool on = false;
    bool locked = true;
    int lockedRuns = 0;

private:
    void OnToggle() { on = !on; }
    void OnUpdateToggle(CCmdUI& ui) { ui.SetCheck(on); }
    void OnUpdateLocked(CCmdUI& ui) { ui.Enable(!locked); }
    void OnLocked() { ++lockedRuns; }
    static const CommandEntry<CSwitchFrame> kCommands[];
};

const CommandEntry<CSwitchFrame> CSwitchFrame::kCommands[] = {
    {ID_VIEW_STATION_ADDRESSES, &CSwitchFrame::OnToggle, &CSwitchFrame::OnUpdateToggle},
    {ID_MAX_ZONES, &CSwitchFrame::OnLocked, &CSwitchFrame::OnUpdateLocked},
    {ID_FILE_PRINT_SETUP, nullptr, &CSwitchFrame::OnUpdateLocked},
};

CommandHandlers CSwitchFrame::FindCommand(CommandId id) {
    if (auto found = FindInTable(*this, kCommands, id)) return found;
    return CBaseFrame::FindCommand(id);
}

} // namespace

TEST(CommandRoute, GoesViewThenDocumentThenFrameThenApplication) {
    std::vector<std::string> log;
    CRecordingTarget view("view", log, {kEverywhere});
    CRecordingTarget doc("document", log, {kEverywhere, kNotInView});
    CRecordingTarget frame("frame", log, {kEverywhere, kNotInView, kFrameAndApp});
    CRecordingTarget app("app", log, {kEverywhere, kNotInView, kFrameAndApp, kAppOnly});
    const CCommandRoute route(&view, &doc, &frame, &app);
    for (CommandId id : {kEverywhere, kNotInView, kFrameAndApp, kAppOnly})
        EXPECT_TRUE(route.Execute(id));
    EXPECT_EQ(log, (std::vector<std::string>{"view", "document", "frame", "app"}));

    // With no document open the frame is first.
    log.clear();
    EXPECT_TRUE(CCommandRoute(nullptr, nullptr, &frame, &app).Execute(kEverywhere));
    EXPECT_EQ(log, std::vector<std::string>{"frame"});
}

TEST(CommandRoute, CommandThatNobodyHandlesIsDisabledAndNeverRuns) {
    std::vector<std::string> log;
    CRecordingTarget app("app", log, {ID_FILE_NEW});
    const CCommandRoute route(nullptr, nullptr, nullptr, &app);
    for (CommandId id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_FILE_PRINT}) {
        EXPECT_FALSE(route.State(id).IsEnabled()) << id;
        EXPECT_FALSE(route.Execute(id)) << id;
    }
    EXPECT_TRUE(route.State(ID_FILE_NEW).IsEnabled());
    EXPECT_FALSE(route.State(ID_FILE_NEW).IsChecked());
    EXPECT_TRUE(log.empty());
}

TEST(CommandRoute, UpdateHandlerChecksAndItsDisablingStopsTheCommand) {
    CSwitchFrame frame;
    const CCommandRoute route(nullptr, nullptr, &frame, nullptr);
    EXPECT_FALSE(route.State(ID_VIEW_STATION_ADDRESSES).IsChecked());
    EXPECT_TRUE(route.Execute(ID_VIEW_STATION_ADDRESSES));
    EXPECT_TRUE(route.State(ID_VIEW_STATION_ADDRESSES).IsChecked());
    EXPECT_TRUE(route.State(ID_VIEW_STATION_ADDRESSES).IsEnabled());

    EXPECT_FALSE(route.State(ID_MAX_ZONES).IsEnabled());
    EXPECT_FALSE(route.Execute(ID_MAX_ZONES));
    frame.locked = false;
    EXPECT_TRUE(route.Execute(ID_MAX_ZONES));
    EXPECT_EQ(frame.lockedRuns, 1);

    // The derived table falls back to its base's.
    EXPECT_TRUE(route.Execute(ID_TOOLS_COMMUNICATIONS));
    EXPECT_EQ(frame.communications, 1);
}

TEST(CommandRoute, FirstUpdateHandlerOnTheRouteOverridesALaterHandler) {
    std::vector<std::string> log;
    CSwitchFrame frame; // updates Print Setup (locked) without handling it
    CRecordingTarget app("app", log, {ID_FILE_PRINT_SETUP});
    const CCommandRoute route(nullptr, nullptr, &frame, &app);
    EXPECT_FALSE(route.Execute(ID_FILE_PRINT_SETUP));
    frame.locked = false;
    EXPECT_TRUE(route.Execute(ID_FILE_PRINT_SETUP));
    EXPECT_EQ(log, std::vector<std::string>{"app"});
}

TEST(CommandPrompts, RecentFilesShareOnePromptAndOwnCommandsHaveNone) {
    for (CommandId id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        EXPECT_STREQ(CommandPrompt(id), "Open this document");
    EXPECT_STREQ(CommandPrompt(ID_FILE_MRU_FILE1 - 1), "");
    EXPECT_STREQ(CommandPrompt(ID_FILE_MRU_FILE4 + 1), "");
    for (CommandId id = ID_TOOLS_COMMUNICATIONS; id <= ID_SWITCH_FALSE; ++id)
        EXPECT_STREQ(CommandPrompt(id), "") << id;
    EXPECT_STREQ(CommandPrompt(ID_NEXT_PANE), "");
    EXPECT_STREQ(CommandPrompt(ID_FILE_PRINT_PREVIEW), "Display full pages");
    EXPECT_STREQ(CommandPrompt(ID_APP_EXIT), "Quit the application; prompts to save documents");
    EXPECT_STREQ(kIdlePrompt, " Welcome to Corvantine");
}
