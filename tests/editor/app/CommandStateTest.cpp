// The enable, check and text rules of every menu item and toolbar button.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <set>

#include "editor/app/core/CommandState.h"
#include "resources/quillet_ids.h"

using namespace editor;

namespace {

struct Flags {
  bool A = false, S = false, R = false, M = false, F = false, D = false;
};

class CommandStateTest : public testing::Test {
 protected:
  std::vector<CommandItemState> Compute(const Flags& flags) {
    CommandStateInput input;
    input.activeDocument = flags.A;
    input.hasSelection = flags.S;
    input.readOnly = flags.R;
    input.modified = flags.M;
    input.hasFile = flags.F;
    input.findDialogOpen = flags.D;
    input.wordWrap = wordWrap;
    input.toolbarExists = toolbarExists;
    input.statusBarExists = statusBarExists;
    input.state = &state;
    return ComputeCommandState(input);
  }
  bool Enabled(const Flags& flags, unsigned id) {
    const auto states = Compute(flags);
    const CommandItemState* item = FindCommandState(states, id);
    EXPECT_NE(item, nullptr) << id;
    return item && item->enabled;
  }
  bool Checked(const Flags& flags, unsigned id) {
    const auto states = Compute(flags);
    const CommandItemState* item = FindCommandState(states, id);
    EXPECT_NE(item, nullptr) << id;
    return item && item->checked;
  }
  std::string Text(unsigned id) {
    const auto states = Compute(Flags{});
    const CommandItemState* item = FindCommandState(states, id);
    return item && item->hasText ? item->text : std::string("<none>");
  }
  // Checks an id against every combination of the six conditions.
  template <typename Rule>
  void ExpectRule(unsigned id, Rule rule) {
    for (int bits = 0; bits < 64; ++bits) {
      Flags f;
      f.A = bits & 1;
      f.S = bits & 2;
      f.R = bits & 4;
      f.M = bits & 8;
      f.F = bits & 16;
      f.D = bits & 32;
      EXPECT_EQ(Enabled(f, id), rule(f)) << "id " << id << " bits " << bits;
    }
  }

  EditorState state;
  bool wordWrap = false;
  bool toolbarExists = true;
  bool statusBarExists = true;
};

TEST_F(CommandStateTest, EveryMenuCommandHasOneEntry) {
  const auto states = Compute(Flags{});
  std::set<unsigned> ids;
  for (const auto& item : states) EXPECT_TRUE(ids.insert(item.id).second) << "twice: " << item.id;
  EXPECT_EQ(ids.size(), 24u + 13u + 1u + 1u + 1u + 6u + 4u + 2u + 1u + 1u + 1u + 1u + 1u + 1u + 1u + 27u);
}

TEST_F(CommandStateTest, AlwaysEnabled) {
  for (unsigned id : {101u, 102u, 120u, 122u, 133u, 430u, 431u, 150u, 153u, 199u, 299u, 354u, 355u, 356u, 357u,
                      398u, 399u, 901u, 902u, 903u, 134u, 999u, 301u, 302u}) {
    ExpectRule(id, [](const Flags&) { return true; });
  }
}

TEST_F(CommandStateTest, RulesOfTheActiveDocument) {
  for (unsigned id : {104u, 111u, 114u, 121u, 151u, 214u, 220u, 320u, 801u, 802u, 803u, 804u, 805u})
    ExpectRule(id, [](const Flags& f) { return f.A; });
  ExpectRule(103, [](const Flags& f) { return f.A && f.F; });
  ExpectRule(110, [](const Flags& f) { return f.A && !f.R && f.M; });
  ExpectRule(113, [](const Flags& f) { return f.A && !f.R && f.M && f.F; });
  for (unsigned id : {201u, 212u, 213u, 152u, 352u, 353u}) ExpectRule(id, [](const Flags& f) { return f.A && !f.R; });
  for (unsigned id : {210u, 440u, 236u, 237u}) ExpectRule(id, [](const Flags& f) { return f.A && f.S && !f.R; });
  for (unsigned id : {211u, 112u}) ExpectRule(id, [](const Flags& f) { return f.A && f.S; });
  ExpectRule(230, [](const Flags& f) { return f.A && !f.D; });
  ExpectRule(231, [](const Flags& f) { return f.A && !f.R && !f.D; });
  ExpectRule(309, [](const Flags& f) { return f.A && f.F && !f.M; });
  ExpectRule(280, [](const Flags& f) { return f.A && f.F; });
  ExpectRule(340, [](const Flags& f) { return f.A; });
}

TEST_F(CommandStateTest, InsertDateNeedsADateOrATime) {
  ExpectRule(341, [](const Flags& f) { return f.A && !f.R; });
  state.ShowDate = 0;
  ExpectRule(341, [](const Flags& f) { return f.A && !f.R; });  // the time alone
  state.ShowTime = 0;
  ExpectRule(341, [](const Flags&) { return false; });
  state.ShowDate = 1;
  ExpectRule(341, [](const Flags& f) { return f.A && !f.R; });
}

TEST_F(CommandStateTest, CheckMarks) {
  Flags f;
  f.A = f.F = f.R = true;
  EXPECT_TRUE(Checked(f, 280));
  f.F = false;
  EXPECT_FALSE(Checked(f, 280));  // read-only without a file shows no mark
  EXPECT_FALSE(Checked(f, 340));
  wordWrap = true;
  EXPECT_TRUE(Checked(f, 340));
  EXPECT_FALSE(Checked(Flags{}, 340));  // no document, no mark

  EXPECT_TRUE(Checked(Flags{}, 302));
  EXPECT_TRUE(Checked(Flags{}, 301));
  EXPECT_TRUE(Enabled(Flags{}, 303));
  state.ToolBar = 0;
  EXPECT_FALSE(Checked(Flags{}, 302));
  EXPECT_FALSE(Enabled(Flags{}, 303));
  state.ToolBar = 1;
  toolbarExists = false;
  EXPECT_FALSE(Checked(Flags{}, 302));
  EXPECT_FALSE(Enabled(Flags{}, 303));
  statusBarExists = false;
  EXPECT_FALSE(Checked(Flags{}, 301));
  statusBarExists = true;
  state.Status = 0;
  EXPECT_FALSE(Checked(Flags{}, 301));

  EXPECT_FALSE(Checked(Flags{}, 399));
  state.TopMost = 1;
  EXPECT_TRUE(Checked(Flags{}, 399));
}

TEST_F(CommandStateTest, RecentFiles) {
  std::snprintf(state.recentFiles[0], kPathLength, "%s", "c:\\a.txt");
  std::snprintf(state.recentFiles[8], kPathLength, "%s", "c:\\nine.txt");
  EXPECT_TRUE(Enabled(Flags{}, 190));
  EXPECT_FALSE(Enabled(Flags{}, 191));
  EXPECT_TRUE(Enabled(Flags{}, 198));
  EXPECT_EQ(Text(190), "&1  c:\\a.txt");
  EXPECT_EQ(Text(191), "&2  Unused");
  EXPECT_EQ(Text(198), "&9  c:\\nine.txt");
}

TEST_F(CommandStateTest, ToolsAndMacros) {
  std::snprintf(state.tools[0].name, kEntryNameLength, "%s", "Compiler");
  state.tools[0].active = 1;
  std::snprintf(state.tools[1].name, kEntryNameLength, "%s", "Idle");  // named but not active
  state.tools[2].active = 1;                                            // active but unnamed
  std::snprintf(state.macros[0].name, kEntryNameLength, "%s", "Greeting");
  state.macros[0].active = 1;

  EXPECT_EQ(Text(310), "&1  Compiler...");
  EXPECT_EQ(Text(311), "&2  Idle...");
  EXPECT_EQ(Text(312), "&3  Undefined...");
  EXPECT_EQ(Text(410), "&1  Greeting...");
  EXPECT_EQ(Text(418), "&9  Undefined...");

  ExpectRule(310, [](const Flags& f) { return !f.D; });
  ExpectRule(311, [](const Flags&) { return false; });
  ExpectRule(312, [](const Flags&) { return false; });
  ExpectRule(410, [](const Flags& f) { return f.A && !f.D; });
  ExpectRule(411, [](const Flags&) { return false; });
}

}  // namespace
