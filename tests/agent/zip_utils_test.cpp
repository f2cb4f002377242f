#include "agent/zip_utils.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <functional>
#include <set>

#include "support/message_of.h"
#include "support/peer.h"
#include "support/zip_builder.h"

namespace fs = std::filesystem;
using agent::TZipUtils;
using testsupport::BuildZip;
using testsupport::MTime;
using testsupport::ReadFile;
using testsupport::SomeTime;
using testsupport::Tree;
using testsupport::WriteFile;
using testsupport::ZipEntry;

namespace {

std::string ErrorOf(const std::string& zip, const std::string& folder) {
  return testsupport::MessageOf([&] { TZipUtils::ExtractFilesTo(zip, folder); });
}

}  // namespace

TEST(ZipUtils, ExtractsFoldersFilesAndTimesReplacingExistingFiles) {
  std::string dir = testsupport::MakeTempDir("zip");
  WriteFile(dir + "/old.txt", "old contents that are longer than the new ones");
  std::string big;
  for (int i = 0; i < 300000; ++i) big += static_cast<char>(i * 7 % 251);
  std::string zip = BuildZip({
      {"empty/", ""},
      {"sub/deeper/", ""},
      {"sub/a.txt", "alpha", SomeTime()},
      {"old.txt", "new", SomeTime() + 3600},
      {"bin/data.bin", big},
      {"win\\style\\c.txt", "backslashes are separators"},
      {"./dot//twice.txt", "dot and empty components"},
  });

  TZipUtils::ExtractFilesTo(zip, dir);

  EXPECT_EQ(Tree(dir),
            (std::set<std::string>{"empty/", "sub/", "sub/deeper/", "sub/a.txt", "old.txt", "bin/", "bin/data.bin",
                                   "win/", "win/style/", "win/style/c.txt", "dot/", "dot/twice.txt"}));
  EXPECT_EQ(ReadFile(dir + "/sub/a.txt"), "alpha");
  EXPECT_EQ(ReadFile(dir + "/old.txt"), "new");
  EXPECT_EQ(ReadFile(dir + "/bin/data.bin"), big);
  EXPECT_EQ(MTime(dir + "/sub/a.txt"), SomeTime());
  EXPECT_EQ(MTime(dir + "/old.txt"), SomeTime() + 3600);
}

TEST(ZipUtils, RefusesTheWholeArchiveForAnEntryThatCouldEscapeOrMislead) {
  struct Case {
    ZipEntry entry;
    std::string shown;  // the name as the message gives it
  } cases[] = {
      {{"../x", "x"}, "../x"},
      {{"/abs", "x"}, "/abs"},
      {{"\\abs", "x"}, "\\abs"},
      {{"..\\x", "x"}, "..\\x"},
      {{"sub/../../x", "x"}, "sub/../../x"},
      {{"sub\\..", "x"}, "sub\\.."},
      {{"C:x", "x"}, "C:x"},
      {{"c:\\x", "x"}, "c:\\x"},
      {{"a#b.txt", "x"}, "a\\x00b.txt"},  // NUL
      {{"a\x01"
        "b",
        "x"},
       "a\\x01b"},
      {{"a\x7f", "x"}, "a\\x7F"},
      {{"a\n/b", "x"}, "a\\x0A/b"},
      {{"a\xc2\x85", "x"}, "a\xc2\x85"},  // U+0085
      {{"link", "/etc/passwd", std::nullopt, true}, "link"},
      // The name a Unicode path field gives is the one written: it is checked, not the stored one.
      {{"safe.txt", "x", std::nullopt, false, false, "a\nb"}, "a\\x0Ab"},
      {{"safe.txt", "x", std::nullopt, false, false, "../up"}, "../up"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    std::string root = testsupport::MakeTempDir("zip");
    std::string dir = root + "/target";
    fs::create_directory(dir);
    WriteFile(dir + "/keep.txt", "kept");
    // A harmless entry comes first: nothing may be written before the refusal.
    std::string zip = BuildZip({{"first.txt", "1"}, {"sub/", ""}, c.entry});

    std::string error = ErrorOf(zip, dir);

    EXPECT_NE(error.find("\"" + c.shown + "\""), std::string::npos) << error;
    EXPECT_EQ(Tree(root), (std::set<std::string>{"target/", "target/keep.txt"}));
    EXPECT_FALSE(fs::exists("/x") && ReadFile("/x") == "x");
  }
}

// Paths that agree with no file system's folding, or would pass through what the folder
// already holds in a way that could leave it or fail half-way: refused before any write.
TEST(ZipUtils, RefusesPathsThatClashWithEachOtherOrWithTheFolder) {
  struct Case {
    const char* what;
    std::vector<ZipEntry> entries;
    std::function<void(const std::string& dir, const std::string& outside)> prepare;
    std::string error;
  } cases[] = {
      {"file, then a folder of the same name", {{"a", "x"}, {"a/", ""}}, nullptr, "\"a\" é arquivo e pasta"},
      {"file, then a file below it", {{"a", "x"}, {"a/b", "y"}}, nullptr, "\"a\" é arquivo e pasta"},
      {"folder, then a file of the same name", {{"a/b", "y"}, {"a", "x"}}, nullptr, "\"a\" é arquivo e pasta"},
      {"letter case",
       {{"Sub/a.txt", "1"}, {"sub/b.txt", "2"}},
       nullptr,
       "\"Sub\" e \"sub\" só diferem em maiúsculas ou acentos"},
      {"normalisation", {{"caf\xc3\xa9.txt", "1"}, {"cafe\xcc\x81.txt", "2"}}, nullptr, "só diferem"},
      {"compatibility form", {{"\xef\xac\x81le", "1"}, {"FILE", "2"}}, nullptr, "só diferem"},
      {"symbolic link to a folder outside",
       {{"out/x.txt", "x"}},
       [](auto& dir, auto& outside) { fs::create_directory_symlink(outside, dir + "/out"); },
       "/out\" é um link simbólico"},
      {"symbolic link in another letter case",
       {{"OUT/x.txt", "x"}},
       [](auto& dir, auto& outside) { fs::create_directory_symlink(outside, dir + "/out"); },
       "/out\" é um link simbólico"},
      {"symbolic link to a folder inside",
       {{"in/x.txt", "x"}},
       [](auto& dir, auto&) {
         fs::create_directory(dir + "/real"), fs::create_directory_symlink(dir + "/real", dir + "/in");
       },
       "/in\" é um link simbólico"},
      {"symbolic link in place of a file",
       {{"f.txt", "x"}},
       [](auto& dir, auto& outside) {
         WriteFile(outside + "/f.txt", "secret"), fs::create_symlink(outside + "/f.txt", dir + "/f.txt");
       },
       "/f.txt\" é um link simbólico"},
      {"dangling symbolic link",
       {{"d/x.txt", "x"}},
       [](auto& dir, auto& outside) { fs::create_directory_symlink(outside + "/none", dir + "/d"); },
       "/d\" é um link simbólico"},
      {"file where a folder is needed",
       {{"f/x.txt", "x"}},
       [](auto& dir, auto&) { WriteFile(dir + "/f", "file"); },
       "/f\" existe e não é uma pasta"},
      {"folder where a file is to go",
       {{"d", "x"}},
       [](auto& dir, auto&) { fs::create_directory(dir + "/d"); },
       "/d\" existe e não é um arquivo comum"},
      {"two existing names in other letter cases",
       {{"a.TXT", "x"}},
       [](auto& dir, auto&) { WriteFile(dir + "/A.txt", "1"), WriteFile(dir + "/a.txt", "2"); },
       "corresponde a mais de um nome existente"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string root = testsupport::MakeTempDir("zip");
    std::string dir = root + "/target", outside = root + "/outside";
    fs::create_directory(dir);
    fs::create_directory(outside);
    WriteFile(dir + "/keep.txt", "kept");
    if (c.prepare) c.prepare(dir, outside);
    std::vector<ZipEntry> entries{{"first.txt", "1"}};
    entries.insert(entries.end(), c.entries.begin(), c.entries.end());
    std::set<std::string> before = Tree(root);

    std::string error = ErrorOf(BuildZip(entries), dir);

    EXPECT_NE(error.find(c.error), std::string::npos) << error;
    EXPECT_EQ(Tree(root), before);
    if (fs::exists(outside + "/f.txt")) {
      EXPECT_EQ(ReadFile(outside + "/f.txt"), "secret");
    }
  }
}

// Like Windows, an entry replaces an existing file or joins an existing folder whose name
// differs only in letter case.
TEST(ZipUtils, TakesExistingNamesInAnotherLetterCase) {
  std::string dir = testsupport::MakeTempDir("zip");
  WriteFile(dir + "/FOLHA.TXT", "last month");
  fs::create_directory(dir + "/Sub");
  TZipUtils::ExtractFilesTo(BuildZip({{"folha.txt", "this month"}, {"SUB/", ""}, {"SUB/a.txt", "a"}}), dir);
  EXPECT_EQ(Tree(dir), (std::set<std::string>{"FOLHA.TXT", "Sub/", "Sub/a.txt"}));
  EXPECT_EQ(ReadFile(dir + "/FOLHA.TXT"), "this month");
}

TEST(ZipUtils, RefusesWhatIsNoArchive) {
  std::string good = BuildZip({{"a.txt", "some text to unpack"}});
  for (const std::string& bytes :
       {std::string(), std::string("not a zip at all"), good.substr(0, good.size() - 10), std::string(100, '\0')}) {
    std::string dir = testsupport::MakeTempDir("zip");
    EXPECT_NE(ErrorOf(bytes, dir), testsupport::kNoError);
    EXPECT_TRUE(Tree(dir).empty());
  }
}

TEST(ZipUtils, DamagedEntryLeavesThePreviousFileInPlace) {
  std::string dir = testsupport::MakeTempDir("zip");
  WriteFile(dir + "/report.txt", "the good old report");
  std::string data(5000, 'A');
  std::string zip = BuildZip({{"report.txt", data, std::nullopt, false, true}});
  zip[zip.find(data) + 2500] = 'B';  // the stored data no longer matches its CRC

  std::string error = ErrorOf(zip, dir);

  EXPECT_NE(error.find("report.txt"), std::string::npos) << error;
  EXPECT_EQ(ReadFile(dir + "/report.txt"), "the good old report");
  EXPECT_EQ(Tree(dir), std::set<std::string>{"report.txt"});
}

// Each limit refuses the archive before anything is written.
TEST(ZipUtils, LimitsOnWhatAnArchiveMayWrite) {
  std::string root = testsupport::MakeTempDir("zip");
  std::string dir = root + "/target";
  fs::create_directory(dir);
  WriteFile(dir + "/keep.txt", "kept");
  const std::set<std::string> before = Tree(root);
  // The longest name whose path stays within the limit.
  const std::string longest(agent::kMaxZipTargetPath - dir.size() - 1, 'n');
  std::string deep;
  while (deep.size() < 65533) deep += "a/";
  std::vector<testsupport::RawEntry> manyEntries;
  for (int i = 0; i <= 65535; ++i) manyEntries.push_back({std::to_string(i), 0});
  struct Case {
    const char* what;
    std::string zip;
    std::string error;
  } cases[] = {
      {"path one character over", BuildZip({{"ok.txt", "1"}, {longest + "n", "x"}}), "longo demais"},
      {"a name thousands of levels deep", BuildZip({{"ok.txt", "1"}, {deep, "x"}}), "longo demais"},
      // The length is checked first: it bounds what every other check costs.
      {"too long and climbing", BuildZip({{"ok.txt", "1"}, {"../" + deep.substr(3), "x"}}), "longo demais"},
      {"a character that takes two UTF-16 units", BuildZip({{longest.substr(1) + "😀", "x"}}), "longo demais"},
      {"more entries than a plain archive holds", testsupport::BuildRawZip(manyEntries), "mais de 65535 entradas"},
      {"an entry over its limit", testsupport::BuildRawZip({{"a", 1}, {"big", 513}}),
       "Entrada \"big\" maior que o limite de 512 MiB"},
      {"all entries over the total", testsupport::BuildRawZip({{"a", 400}, {"b", 400}, {"c", 400}}),
       "maior que o limite de 1024 MiB: 1258291200 bytes"},
      // libzip reads on past a size that lies; the unpacking does not.
      {"more data than declared", testsupport::BuildRawZip({{"a", 1}, {"b", 64, 1000}}),
       "Entrada \"b\" maior que o tamanho declarado"},
  };
  for (const auto& c : cases) {
    std::string error = ErrorOf(c.zip, dir);
    EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
    EXPECT_EQ(Tree(root), before) << c.what;
  }
  TZipUtils::ExtractFilesTo(BuildZip({{longest, "x"}}), dir);
  EXPECT_EQ(ReadFile(dir + "/" + longest), "x");
}

// A failure while the entries are written, or while they are moved into place, leaves the
// folder as it was: replaced files back, new folders gone, no staging left behind.
TEST(ZipUtils, AFailureHalfWayLeavesTheFolderAsItWas) {
  std::string data(5000, 'A');
  std::string damaged = BuildZip(
      {{"a.txt", "new a"}, {"new/b.txt", "b"}, {"sub/c.txt", "c"}, {"d.txt", data, std::nullopt, false, true}});
  damaged[damaged.find(data) + 2500] = 'B';  // the stored data no longer matches its CRC
  // 86 three-byte characters: within the path limit, over the 255 bytes a Linux name may take,
  // so only the move into place fails, after the first entries are in.
  std::string tooLongForLinux;
  for (int i = 0; i < 86; ++i) tooLongForLinux += "€";
  std::string lateFailure = BuildZip(
      {{"a.txt", "new a"}, {"new/b.txt", "b"}, {"sub/c.txt", "c"}, {"new/" + tooLongForLinux + "/d.txt", "d"}});
  for (const std::string& zip : {damaged, lateFailure}) {
    std::string root = testsupport::MakeTempDir("zip");
    std::string dir = root + "/target";
    fs::create_directories(dir + "/sub");
    WriteFile(dir + "/a.txt", "old a");
    WriteFile(dir + "/sub/c.txt", "old c");
    const std::set<std::string> before = Tree(root);

    std::string error = ErrorOf(zip, dir);

    EXPECT_NE(error, testsupport::kNoError);
    EXPECT_EQ(Tree(root), before) << error;
    EXPECT_EQ(ReadFile(dir + "/a.txt"), "old a");
    EXPECT_EQ(ReadFile(dir + "/sub/c.txt"), "old c");
    // A missing target folder is made for the unpacking and removed again.
    EXPECT_NE(ErrorOf(zip, root + "/x/y"), testsupport::kNoError);
    EXPECT_EQ(Tree(root), before);
  }
}

// A staging folder that no process holds any more (its unpacking was killed) goes at the next
// unpacking into the folder; one in use, and whatever only looks like one, stays.
TEST(ZipUtils, StagingLeftByAKilledUnpackingGoesAtTheNextOne) {
  std::string root = testsupport::MakeTempDir("zip");
  std::string dir = root + "/target";
  const std::string stale = "/.nembo-0123456789abcdef0123456789ABCDEF.tmp";
  const std::string held = "/.nembo-ffffffffffffffffffffffffffffffff.tmp";
  fs::create_directories(dir + stale + "/sub");
  WriteFile(dir + stale + "/sub/3", std::string(1000, 'x'));
  fs::create_directories(dir + held);
  WriteFile(dir + held + "/1", "in use");
  fs::create_directories(dir + "/.nembo-not-a-staging-folder.tmp");
  fs::create_directories(root + "/outside");
  WriteFile(root + "/outside/keep.txt", "keep");
  fs::create_directory_symlink(root + "/outside", dir + "/.nembo-00000000000000000000000000000000.tmp");
  const int lock = ::open((dir + held).c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(::flock(lock, LOCK_EX), 0);

  TZipUtils::ExtractFilesTo(BuildZip({{"a.txt", "a"}}), dir);

  ::close(lock);
  // (Tree shows the link as the folder it leads to.)
  EXPECT_EQ(Tree(root),
            (std::set<std::string>{"target/", "target/a.txt", "target" + held + "/", "target" + held + "/1",
                                   "target/.nembo-not-a-staging-folder.tmp/", "outside/", "outside/keep.txt"}));
  EXPECT_TRUE(fs::is_symlink(dir + "/.nembo-00000000000000000000000000000000.tmp"));
}

TEST(ZipUtils, ZeroEntriesNameListsStreamsAndTemporaryFolders) {
  std::string dir = testsupport::MakeTempDir("zip");
  TZipUtils::ExtractFilesTo(testsupport::EmptyZip(), dir);
  TZipUtils::ExtractFilesTo(nullptr, dir);
  EXPECT_TRUE(Tree(dir).empty());

  std::string zip = BuildZip({{"a.txt", "a"}, {"sub/b.txt", "b"}, {"c.txt", "c"}});
  auto stream = TZipUtils::BytesToStream(zip);
  stream->seekg(7);  // read from the start whatever the position
  TZipUtils::ExtractFilesTo(stream.get(), dir, {"sub/b.txt", "C.TXT", "c.txt"});
  EXPECT_EQ(Tree(dir), (std::set<std::string>{"sub/", "sub/b.txt", "c.txt"}));

  std::string temp = TZipUtils::GetPathExtractedFiles(zip);
  std::string guid = fs::path(temp).parent_path().filename().string();
  EXPECT_EQ(temp.back(), '/');
  EXPECT_EQ(guid.size(), 32u);
  EXPECT_EQ(guid.find_first_not_of("0123456789ABCDEF"), std::string::npos) << guid;
  EXPECT_EQ(Tree(temp), (std::set<std::string>{"a.txt", "sub/", "sub/b.txt", "c.txt"}));
  TZipUtils::DeleteDirectory(temp);
  EXPECT_FALSE(fs::exists(temp));
}

TEST(ZipUtils, ReadsArchivesWithZip64EndRecords) {
  std::string dir = testsupport::MakeTempDir("zip");
  std::string out;
  // Lowering the entry-count limit makes Python write the zip64 end records for two entries.
  ASSERT_EQ(testsupport::RunCommand("cd " + dir + " && " + testsupport::Python() +
                                        " -c \"import zipfile; zipfile.ZIP_FILECOUNT_LIMIT = 1\n"
                                        "with zipfile.ZipFile('z.zip', 'w') as z:\n"
                                        "    z.writestr('a.txt', 'a'); z.writestr('b/c.txt', 'c')\"",
                                    &out),
            0)
      << out;
  std::string zip = ReadFile(dir + "/z.zip");
  ASSERT_NE(zip.find("PK\x06\x06"), std::string::npos);
  TZipUtils::ExtractFilesTo(zip, dir + "/x");
  EXPECT_EQ(Tree(dir + "/x"), (std::set<std::string>{"a.txt", "b/", "b/c.txt"}));
}

TEST(ZipUtils, BuildsArchives) {
  std::string dir = testsupport::MakeTempDir("zip");
  TZipUtils::CreateZipFile(dir + "/report", "first");
  TZipUtils::CreateZipFile(dir + "/report", "second");  // emptied, not appended to
  TZipUtils::CreateZipFile(dir + "/new/folder/pack.zip", "one", "one.txt");
  TZipUtils::AddFileToZip(dir + "/new/folder/pack.zip", std::string(1000, 'x'), "dir/two.txt");
  TZipUtils::AddFileToZip(dir + "/new/folder/pack.zip", "uno", "one.txt");
  EXPECT_THROW(TZipUtils::AddFileToZip(dir + "/missing.zip", "x", "x.txt"), std::exception);

  TZipUtils::ExtractFilesTo(ReadFile(dir + "/report.zip"), dir + "/r");
  EXPECT_EQ(Tree(dir + "/r"), std::set<std::string>{"report"});
  EXPECT_EQ(ReadFile(dir + "/r/report"), "second");

  std::string pack = dir + "/new/folder/pack.zip";
  TZipUtils::ExtractFilesTo(ReadFile(pack), dir + "/p");
  EXPECT_EQ(Tree(dir + "/p"), (std::set<std::string>{"one.txt", "dir/", "dir/two.txt"}));
  EXPECT_EQ(ReadFile(dir + "/p/one.txt"), "uno");
  int code = 0;
  zip_t* za = zip_open(pack.c_str(), ZIP_RDONLY, &code);
  ASSERT_NE(za, nullptr);
  zip_stat_t st;
  ASSERT_EQ(zip_stat(za, "dir/two.txt", 0, &st), 0);
  EXPECT_EQ(st.comp_method, ZIP_CM_DEFLATE);
  zip_discard(za);
}
