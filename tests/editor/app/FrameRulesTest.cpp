// Who handles each command, and what start-up opens.
#include <gtest/gtest.h>

#include <cstdio>

#include "editor/app/core/FrameRules.h"
#include "resources/quillet_ids.h"

using namespace editor;

namespace {

TEST(FrameRules, FrameCommands) {
  for (unsigned id : {101u, 102u, 114u, 120u, 122u, 133u, 199u, 230u, 231u, 299u, 301u, 302u, 303u, 398u, 399u,
                      430u, 431u, 356u, 357u, 801u, 802u, 803u, 804u, 805u, 150u, 151u, 354u, 355u, 153u, 901u,
                      902u, 903u, 134u, 999u}) {
    EXPECT_EQ(ClassifyCommand(id), CommandOwner::Frame) << id;
  }
  for (unsigned id = 190; id <= 198; ++id) EXPECT_EQ(ClassifyCommand(id), CommandOwner::Frame) << id;
  for (unsigned id = 310; id <= 318; ++id) EXPECT_EQ(ClassifyCommand(id), CommandOwner::Frame) << id;
}

TEST(FrameRules, DocumentCommands) {
  for (unsigned id : {103u, 104u, 110u, 111u, 113u, 121u, 201u, 210u, 211u, 212u, 213u, 214u, 112u, 152u, 341u,
                      440u, 236u, 237u, 280u, 340u, 320u, 352u, 353u, 309u, 220u}) {
    EXPECT_EQ(ClassifyCommand(id), CommandOwner::Document) << id;
  }
  for (unsigned id = 410; id <= 418; ++id) EXPECT_EQ(ClassifyCommand(id), CommandOwner::Document) << id;
}

TEST(FrameRules, EverythingElseGoesToDefaultProcessing) {
  for (unsigned id : {0u, 100u, 189u, 319u, 409u, 419u, 2000u, 2001u, 2009u, 0xF060u}) {
    EXPECT_EQ(ClassifyCommand(id), CommandOwner::Default) << id;
  }
}

TEST(FrameRules, StartUpOpeningByPrecedence) {
  EditorState state;
  state.NewDoc = 0;
  EXPECT_EQ(ChooseStartUpOpening(state, false), StartUpOpening::Nothing);
  state.NewDoc = 1;
  EXPECT_EQ(ChooseStartUpOpening(state, false), StartUpOpening::NewDocument);

  state.LoadLast = 1;
  std::snprintf(state.currentFileName, sizeof state.currentFileName, "%s", "last.txt");
  EXPECT_EQ(ChooseStartUpOpening(state, true), StartUpOpening::LastFile);
  EXPECT_EQ(ChooseStartUpOpening(state, false), StartUpOpening::NewDocument);  // deleted: untitled

  state.listFlag = 1;
  EXPECT_EQ(ChooseStartUpOpening(state, true), StartUpOpening::FileList);
  state.sysEditSwitch = 1;
  EXPECT_EQ(ChooseStartUpOpening(state, true), StartUpOpening::SysEditFiles);
  state.commandLineFile = 1;
  EXPECT_EQ(ChooseStartUpOpening(state, true), StartUpOpening::CommandLineFile);
  // A command-line file that does not exist is passed over silently.
  EXPECT_EQ(ChooseStartUpOpening(state, false), StartUpOpening::SysEditFiles);
}

}  // namespace
