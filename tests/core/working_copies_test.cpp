#include "core/recording/working_copies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "core/settings/texts.h"
#include "recording_test_files.h"
#include "temp_folder.h"

namespace direvovu {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::MakePlainRecording;
using testing::ReadBytes;
using testing::WriteBytes;

// Stands in for the two dialogs: tries the given entries in order, as a user typing
// them would, and reports whether one matched. Records what it was asked.
struct ScriptedUser {
  std::vector<std::string> entries;
  int questions = 0;
  std::vector<bool> answers;
  bool saveMode = false;
  fs::path recording;

  AskPassword Ask() {
    return [this](const PasswordQuestion& q) {
      ++questions;
      saveMode = q.saveMode;
      recording = q.recording;
      for (const auto& e : entries) {
        const bool ok = q.matches(e);
        answers.push_back(ok);
        if (ok) return true;
      }
      return false;
    };
  }
};

ScriptedUser Typing(std::vector<std::string> entries) {
  ScriptedUser user;
  user.entries = std::move(entries);
  return user;
}

class WorkingCopiesTest : public ::testing::Test {
 protected:
  fs::path Front() const { return dir / "drf0_20090807_142530.mp4"; }
  fs::path Rear() const { return dir / "drf1_20090807_142530.mp4"; }
  fs::path FrontCopy() const { return dir / "DecodedFrontData.dat"; }
  fs::path RearCopy() const { return dir / "DecodedRearData.dat"; }

  WorkingCopiesResult Load(ScriptedUser& user) {
    return MakeWorkingCopies(Front(), FrontCopy(), RearCopy(), passwords, user.Ask());
  }

  TempFolder dir;
  PasswordState passwords;
  Bytes frontPlain = MakePlainRecording(5000, 1);
  Bytes rearPlain = MakePlainRecording(7000, 2);
};

Bytes WithTrailer(const Bytes& plain, const Bytes& scrambled) {
  Bytes out = plain;
  out.insert(out.end(), scrambled.end() - 32, scrambled.end());
  return out;
}

TEST_F(WorkingCopiesTest, PlainPairIsCopiedByteForByteWithoutQuestions) {
  WriteBytes(Front(), frontPlain);
  WriteBytes(Rear(), rearPlain);
  WriteBytes(FrontCopy(), Bytes(99999, 7));  // an older, longer working copy
  ScriptedUser user;
  const auto r = Load(user);
  EXPECT_EQ(r.status, LoadStatus::Ready);
  EXPECT_TRUE(r.frontPresent);
  EXPECT_TRUE(r.rearPresent);
  EXPECT_FALSE(r.encrypted);
  EXPECT_EQ(user.questions, 0);
  // Far below 1 024 000 bytes: the whole file is still copied.
  EXPECT_EQ(ReadBytes(FrontCopy()), frontPlain);
  EXPECT_EQ(ReadBytes(RearCopy()), rearPlain);
}

TEST_F(WorkingCopiesTest, LargeRecordingsAreCopiedWhole) {
  const Bytes big = MakePlainRecording(3 * 1024 * 1024 + 123, 9);
  WriteBytes(Front(), big);
  const Bytes scrambled = *ScrambleRecording(MakePlainRecording(2 * 1024 * 1024 + 7, 4), "big1");
  WriteBytes(Rear(), scrambled);
  ScriptedUser user;
  ASSERT_EQ(Load(user).status, LoadStatus::Ready);
  EXPECT_EQ(ReadBytes(FrontCopy()), big);
  // The front is plain, so the rear is copied as it stands (its password was never given).
  EXPECT_EQ(ReadBytes(RearCopy()), scrambled);
}

TEST_F(WorkingCopiesTest, EncryptedPairIsDecryptedAfterOneQuestion) {
  const Bytes frontEnc = *ScrambleRecording(frontPlain, "Pw1234");
  const Bytes rearEnc = *ScrambleRecording(rearPlain, "Pw1234");
  WriteBytes(Front(), frontEnc);
  WriteBytes(Rear(), rearEnc);
  ScriptedUser user = Typing({"wrong", "pw1234", "Pw1234"});
  const auto r = Load(user);
  ASSERT_EQ(r.status, LoadStatus::Ready);
  EXPECT_TRUE(r.encrypted);
  EXPECT_TRUE(r.frontPresent && r.rearPresent);
  EXPECT_EQ(user.questions, 1);
  EXPECT_FALSE(user.saveMode);
  EXPECT_EQ(user.recording, Front());
  EXPECT_EQ(user.answers, (std::vector<bool>{false, false, true}));
  // The decrypted copies keep the 32 trailer bytes behind the last box.
  EXPECT_EQ(ReadBytes(FrontCopy()), WithTrailer(frontPlain, frontEnc));
  EXPECT_EQ(ReadBytes(RearCopy()), WithTrailer(rearPlain, rearEnc));
  EXPECT_EQ(SlotText(passwords.acceptedPassword), "Pw1234");
  EXPECT_EQ(SlotText(passwords.filePassword), "Pw1234");
}

TEST_F(WorkingCopiesTest, AcceptedPasswordIsNotAskedAgainButAnotherOneIs) {
  WriteBytes(Front(), *ScrambleRecording(frontPlain, "same1"));
  ScriptedUser user = Typing({"same1", "other2"});
  ASSERT_EQ(Load(user).status, LoadStatus::Ready);
  ASSERT_EQ(Load(user).status, LoadStatus::Ready);
  EXPECT_EQ(user.questions, 1);

  WriteBytes(Front(), *ScrambleRecording(frontPlain, "other2"));
  ASSERT_EQ(Load(user).status, LoadStatus::Ready);
  EXPECT_EQ(user.questions, 2);
  EXPECT_EQ(SlotText(passwords.acceptedPassword), "other2");
}

TEST_F(WorkingCopiesTest, GivingUpAbandonsTheLoad) {
  WriteBytes(Front(), *ScrambleRecording(frontPlain, "abcd"));
  WriteBytes(Rear(), *ScrambleRecording(rearPlain, "abcd"));
  ScriptedUser user = Typing({"nope", "still"});
  const auto r = Load(user);
  EXPECT_EQ(r.status, LoadStatus::Abandoned);
  EXPECT_FALSE(r.frontPresent);
  EXPECT_EQ(SlotText(passwords.acceptedPassword), "");
  // No dialog available counts as giving up.
  EXPECT_EQ(MakeWorkingCopies(Front(), FrontCopy(), RearCopy(), passwords, {}).status, LoadStatus::Abandoned);
}

TEST_F(WorkingCopiesTest, EmptyPasswordMeansPlainAndAScrambledHeaderIsIllegal) {
  // The camera's block for an empty password; the header stays scrambled with a zero key.
  WriteBytes(Front(), *ScrambleRecording(frontPlain, ""));
  ScriptedUser user;
  const auto r = Load(user);
  EXPECT_EQ(r.status, LoadStatus::Failed);
  EXPECT_EQ(r.failure, CopyFailure::IllegalRecording);
  EXPECT_EQ(r.detail, Front());
  EXPECT_EQ(user.questions, 0);
}

TEST_F(WorkingCopiesTest, ForeignPasswordBlockIsAnIllegalFileNotAnEmptyPassword) {
  // Regression: a trailer that does not decrypt with valid padding used to leave the
  // previous password in place; it must fail the load with message 33.
  Bytes file = *ScrambleRecording(frontPlain, "abcd");
  passwords.acceptedPassword = *MakePasswordSlot("abcd");
  for (std::size_t i = file.size() - 32; i < file.size() - 16; ++i) file[i] ^= 0x5A;
  WriteBytes(Front(), file);
  ScriptedUser user = Typing({"abcd"});
  const auto r = Load(user);
  EXPECT_EQ(r.status, LoadStatus::Failed);
  EXPECT_EQ(r.failure, CopyFailure::IllegalRecording);
  EXPECT_EQ(user.questions, 0);
}

TEST_F(WorkingCopiesTest, ShortOrForeignFilesFailThePlainChecks) {
  ScriptedUser user;
  for (std::size_t n : {0u, 10u, 100u, 159u}) {
    SCOPED_TRACE(n);
    WriteBytes(Front(), Bytes(n, 0x11));  // under 160 bytes: not treated as encrypted
    const auto r = Load(user);
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_EQ(r.failure, CopyFailure::IllegalRecording);
  }
  WriteBytes(Front(), frontPlain);
  ASSERT_EQ(Load(user).status, LoadStatus::Ready);
  // A failing load leaves no copy of the previous recording to be played by mistake.
  WriteBytes(Front(), Bytes(50, 0));
  EXPECT_EQ(Load(user).status, LoadStatus::Failed);
  EXPECT_EQ(fs::file_size(FrontCopy()), 0u);
  EXPECT_EQ(user.questions, 0);
}

TEST_F(WorkingCopiesTest, MissingChannelsAreAbsent) {
  ScriptedUser user;
  WriteBytes(Front(), frontPlain);
  WriteBytes(RearCopy(), Bytes(500, 3));  // left from an earlier pair
  auto r = Load(user);
  EXPECT_EQ(r.status, LoadStatus::Ready);
  EXPECT_TRUE(r.frontPresent);
  EXPECT_FALSE(r.rearPresent);
  EXPECT_EQ(fs::file_size(RearCopy()), 0u);

  fs::remove(Front());
  WriteBytes(Rear(), rearPlain);
  r = Load(user);
  EXPECT_EQ(r.status, LoadStatus::Ready);
  EXPECT_FALSE(r.frontPresent);
  EXPECT_TRUE(r.rearPresent);
  EXPECT_EQ(ReadBytes(RearCopy()), rearPlain);

  fs::remove(Rear());
  r = Load(user);
  EXPECT_EQ(r.status, LoadStatus::Failed);
  EXPECT_EQ(r.failure, CopyFailure::Unreadable);
}

TEST_F(WorkingCopiesTest, ScrambledFrontWithPlainRearCopiesTheRearAsItIs) {
  const Bytes frontEnc = *ScrambleRecording(frontPlain, "mix9");
  WriteBytes(Front(), frontEnc);
  WriteBytes(Rear(), rearPlain);
  ScriptedUser user = Typing({"mix9"});
  ASSERT_EQ(Load(user).status, LoadStatus::Ready);
  EXPECT_EQ(ReadBytes(FrontCopy()), WithTrailer(frontPlain, frontEnc));
  EXPECT_EQ(ReadBytes(RearCopy()), rearPlain);
}

TEST_F(WorkingCopiesTest, DamagedRearLeavesTheFrontToPlayAlone) {
  const Bytes frontEnc = *ScrambleRecording(frontPlain, "dmg1");
  Bytes rearEnc = *ScrambleRecording(rearPlain, "dmg1");
  rearEnc[rearEnc.size() - 20] ^= 0xFF;  // password block spoilt
  WriteBytes(Front(), frontEnc);
  WriteBytes(Rear(), rearEnc);
  ScriptedUser user = Typing({"dmg1"});
  const auto r = Load(user);
  EXPECT_EQ(r.status, LoadStatus::Ready);
  EXPECT_TRUE(r.frontPresent);
  EXPECT_FALSE(r.rearPresent);
}

TEST_F(WorkingCopiesTest, UncreatableWorkingCopyIsReportedWithTheRecordingPath) {
  WriteBytes(Front(), frontPlain);
  ScriptedUser user;
  const fs::path copy = dir / "no-such-folder" / "DecodedFrontData.dat";
  const auto r = MakeWorkingCopies(Front(), copy, RearCopy(), passwords, user.Ask());
  EXPECT_EQ(r.status, LoadStatus::Failed);
  EXPECT_EQ(r.failure, CopyFailure::Unreadable);
  EXPECT_EQ(r.detail, Front());
}

}  // namespace
}  // namespace direvovu

namespace direvovu {
namespace {

// The load's two halves: the plan asks (and decides), the writing copies and can be
// given up from another thread.
class WorkingCopiesPlanTest : public WorkingCopiesTest {};

TEST_F(WorkingCopiesPlanTest, PlanCountsTheBytesAndTheWritingReportsThemAll) {
  WriteBytes(Front(), frontPlain);
  WriteBytes(Rear(), rearPlain);
  WorkingCopiesPlan plan = PlanWorkingCopies(Front(), FrontCopy(), RearCopy(), passwords, {});
  ASSERT_EQ(plan.result.status, LoadStatus::Ready);
  EXPECT_EQ(plan.bytes, frontPlain.size() + rearPlain.size());
  std::atomic<bool> cancel{false};
  std::atomic<std::uint64_t> last{0};
  CopyWatch watch;
  watch.cancel = &cancel;
  watch.progress = [&](std::uint64_t copied) { last = std::max<std::uint64_t>(last, copied); };
  const WorkingCopiesResult written = WriteWorkingCopies(std::move(plan), FrontCopy(), RearCopy(), &watch);
  ASSERT_EQ(written.status, LoadStatus::Ready);
  EXPECT_TRUE(written.frontPresent && written.rearPresent);
  EXPECT_EQ(last.load(), frontPlain.size() + rearPlain.size());
  EXPECT_EQ(ReadBytes(FrontCopy()), frontPlain);
  EXPECT_EQ(ReadBytes(RearCopy()), rearPlain);
}

TEST_F(WorkingCopiesPlanTest, CancelledWritingLeavesBothCopiesEmpty) {
  WriteBytes(Front(), frontPlain);
  WriteBytes(Rear(), rearPlain);
  WriteBytes(FrontCopy(), rearPlain);  // what the previous pair left
  WorkingCopiesPlan plan = PlanWorkingCopies(Front(), FrontCopy(), RearCopy(), passwords, {});
  ASSERT_EQ(plan.result.status, LoadStatus::Ready);
  const std::atomic<bool> cancel{true};
  CopyWatch watch;
  watch.cancel = &cancel;
  const WorkingCopiesResult written = WriteWorkingCopies(std::move(plan), FrontCopy(), RearCopy(), &watch);
  EXPECT_EQ(written.status, LoadStatus::Cancelled);
  EXPECT_FALSE(written.frontPresent || written.rearPresent);
  EXPECT_EQ(fs::file_size(FrontCopy()), 0U);
  EXPECT_EQ(fs::file_size(RearCopy()), 0U);
}

TEST_F(WorkingCopiesPlanTest, PlanThatRefusesTheRecordingWritesNothing) {
  WriteBytes(Front(), Bytes(300, 0x41));
  WorkingCopiesPlan plan = PlanWorkingCopies(Front(), FrontCopy(), RearCopy(), passwords, {});
  EXPECT_EQ(plan.result.status, LoadStatus::Failed);
  EXPECT_EQ(plan.result.failure, CopyFailure::IllegalRecording);
  const WorkingCopiesResult written = WriteWorkingCopies(std::move(plan), FrontCopy(), RearCopy());
  EXPECT_EQ(written.status, LoadStatus::Failed);
}

}  // namespace
}  // namespace direvovu
