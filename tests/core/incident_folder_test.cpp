#include "core/export/incident_folder.h"

#include <sys/mount.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "export_fixture.h"
#include "small_disk.h"
#include "temp_folder.h"

namespace direvovu::exporting {
namespace {

namespace fs = std::filesystem;

const CivilTime kStart{2012, 3, 14, 9, 5, 7};

std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(IncidentFolderTest, LaterIncidentsOfTheSameSecondAreNumbered) {
  EXPECT_EQ(IncidentFolderName(kStart, 1), "Incident_20120314_090507");
  EXPECT_EQ(IncidentFolderName(kStart, 2), "Incident_20120314_090507_2");
  EXPECT_EQ(IncidentFolderName({2026, 12, 6, 23, 0, 59}, 12), "Incident_20261206_230059_12");
}

TEST(IncidentFolderTest, CommitTakesTheFirstFreeNameAndReplacesNothing) {
  struct Case {
    std::vector<std::string> folders, files;  // already in the parent
    std::string name;
  } const cases[] = {
      {{}, {}, "Incident_20120314_090507"},
      {{"Incident_20120314_090507"}, {}, "Incident_20120314_090507_2"},
      {{"Incident_20120314_090507", "Incident_20120314_090507_2"},
       {"Incident_20120314_090507_3"},
       "Incident_20120314_090507_4"},
  };
  for (const Case& c : cases) {
    TempFolder parent;
    for (const auto& name : c.folders)
      fs::create_directory(parent / name), WriteText(parent / name / "kept", name);
    for (const auto& name : c.files) WriteText(parent / name, name);
    WriteText(parent / "drf0_20120314_090507.mp4", "front recording");
    fs::last_write_time(parent / "drf0_20120314_090507.mp4", fs::file_time_type(std::chrono::hours(1000)));

    IncidentFolderStart started = IncidentFolder::Begin(parent.path(), kStart);
    ASSERT_TRUE(started.folder) << started.error;
    EXPECT_TRUE(started.folder->path().filename().string().starts_with(".Incident_20120314_090507.partial-"));
    WriteText(started.folder->path() / "track.csv", "time_utc\n");
    EXPECT_EQ(CopyOriginal(*started.folder, parent / "drf0_20120314_090507.mp4"), std::nullopt);
    // A second copy of the same name is refused and keeps the first.
    EXPECT_NE(CopyOriginal(*started.folder, parent / "drf0_20120314_090507.mp4"), std::nullopt);
    const CommitOutcome committed = started.folder->Commit();
    ASSERT_TRUE(committed.ok()) << committed.error;

    EXPECT_EQ(committed.folder, parent / c.name);
    const fs::path original = committed.folder / "originals/drf0_20120314_090507.mp4";
    EXPECT_EQ(ReadText(original), "front recording");
    EXPECT_EQ(fs::last_write_time(original), fs::file_time_type(std::chrono::hours(1000)));
    EXPECT_EQ(direvovu::testing::RunCommand("cd '" + committed.folder.string() +
                                            "' && sha256sum -c --quiet SHA256SUMS"),
              0);
    for (const auto& name : c.folders) EXPECT_EQ(ReadText(parent / name / "kept"), name);
    for (const auto& name : c.files) EXPECT_EQ(ReadText(parent / name), name);
    EXPECT_EQ(NamesIn(parent.path()).size(),
              c.folders.size() + c.files.size() + 2);  // nothing hidden is left
  }
}

TEST(IncidentFolderTest, WhatIsNotCommittedLeavesNothing) {
  const std::atomic<bool> cancelled{true};
  const CopyWatch cancel{&cancelled, {}};
  const std::vector<std::function<void(std::optional<IncidentFolder>&, const fs::path&)>> stops{
      [](auto& folder, const fs::path&) { folder->Abandon(); },
      [](auto& folder, const fs::path&) { folder.reset(); },
      [&](auto& folder, const fs::path& recording) {
        EXPECT_NE(CopyOriginal(*folder, recording, &cancel), std::nullopt);
        folder.reset();
      },
  };
  for (const auto& stop : stops) {
    TempFolder parent;
    WriteText(parent / "drf0.mp4", "front recording");
    IncidentFolderStart started = IncidentFolder::Begin(parent.path(), kStart);
    ASSERT_TRUE(started.folder) << started.error;
    WriteText(started.folder->path() / "incident.mp4", "half a clip");
    stop(started.folder, parent / "drf0.mp4");
    EXPECT_EQ(NamesIn(parent.path()), std::vector<std::string>{"drf0.mp4"});
  }
}

// What a killed export left is swept when the next one begins in that folder; what another
// export is writing, what changed lately and what is not a partial folder stay.
TEST(IncidentFolderTest, BeginRemovesOnlyStalePartialFolders) {
  struct Case {
    const char* name;
    bool held;  // by an export still writing it
    bool old;   // unchanged for longer than the stale age
    bool removed;
  };
  const Case cases[] = {
      {".Incident_20120314_090507.partial-a1b2c3", false, true, true},
      {".Incident_20120314_090507.partial-d4e5f6", true, true, false},
      {".Incident_20120314_090507.partial-g7h8i9", false, false, false},
      {".Incident_notes", false, true, false},
      {"Incident_20120314_090507", false, true, false},
  };
  for (const Case& c : cases) {
    TempFolder parent;
    std::optional<IncidentFolder> writing;
    fs::path folder = parent / c.name;
    if (c.held) {
      IncidentFolderStart other = IncidentFolder::Begin(parent.path(), kStart);
      ASSERT_TRUE(other.folder) << other.error;
      writing = std::move(other.folder);
      folder = writing->path();
    } else {
      fs::create_directory(folder);
    }
    WriteText(folder / "incident.mp4", "half a clip");
    if (c.old) fs::last_write_time(folder, fs::file_time_type::clock::now() - 2 * kStalePartialAge);
    IncidentFolderStart started = IncidentFolder::Begin(parent.path(), kStart);
    ASSERT_TRUE(started.folder) << started.error;
    EXPECT_EQ(fs::exists(folder), !c.removed) << c.name;
  }
}

TEST(IncidentFolderTest, AReadOnlyParentIsAReason) {
  SmallDisk disk("size=1m", MS_RDONLY);
  TempFolder fallback;
  const fs::path parent = disk.mounted() ? disk.path() : fallback.path();
  if (!disk.mounted()) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes through permissions and cannot mount here";
    fs::permissions(parent, fs::perms::owner_read | fs::perms::owner_exec);
  }
  const IncidentFolderStart started = IncidentFolder::Begin(parent, kStart);
  EXPECT_FALSE(started.folder);
  EXPECT_NE(started.error.find("cannot create the incident folder in " + parent.string() + ": "),
            std::string::npos)
      << started.error;
  EXPECT_TRUE(fs::is_empty(parent));
}

TEST(IncidentFolderTest, AFullDiskIsAReasonAndLeavesNothing) {
  SmallDisk disk("size=256k", 0);
  if (!disk.mounted()) GTEST_SKIP() << "no small file system can be mounted here";
  const std::vector<std::function<std::optional<std::string>(IncidentFolder&)>> fills{
      [&](IncidentFolder& folder) {  // an original larger than the disk
        TempFolder elsewhere;
        WriteText(elsewhere / "big.mp4", std::string(std::size_t{1} << 20, 'v'));
        return CopyOriginal(folder, elsewhere / "big.mp4");
      },
      [](IncidentFolder& folder) {  // no room left for SHA256SUMS
        WriteText(folder.path() / "incident.mp4", std::string(std::size_t{1} << 20, 'v'));
        const CommitOutcome committed = folder.Commit();
        return committed.ok() ? std::nullopt : std::optional(committed.error);
      },
  };
  for (const auto& fill : fills) {
    IncidentFolderStart started = IncidentFolder::Begin(disk.path(), kStart);
    ASSERT_TRUE(started.folder) << started.error;
    const auto problem = fill(*started.folder);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("No space left on device"), std::string::npos) << *problem;
    started.folder.reset();
    EXPECT_TRUE(NamesIn(disk.path()).empty());
  }
}

}  // namespace
}  // namespace direvovu::exporting
