// Unpacks archives whose entry names come from the fuzzer (or whole archives of arbitrary
// bytes) into a folder of their own: nothing may crash, nothing may appear outside the target
// folder, and a refused archive leaves the folder as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "agent/zip_utils.h"
#include "support/zip_builder.h"

namespace fs = std::filesystem;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

struct Folders {
  fs::path root, target;
  Folders() {
    std::string templ = (fs::temp_directory_path() / "nembo-zip-fuzz-XXXXXX").string();
    check(mkdtemp(templ.data()) != nullptr);
    root = templ;
    target = root / "target";
  }
  ~Folders() {
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  // Everything below root, as paths.
  std::vector<fs::path> All() const {
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
      out.push_back(it->path());
    return out;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Folders folders;
  std::error_code ec;
  fs::remove_all(folders.target, ec);
  fs::create_directories(folders.target / "kept");

  FuzzedDataProvider in(data, size);
  std::string zip;
  if (in.ConsumeBool()) {
    zip = in.ConsumeRemainingBytesAsString();
  } else {
    std::vector<testsupport::RawEntry> entries;
    int count = in.ConsumeIntegralInRange(1, 4);
    for (int i = 0; i < count; ++i)
      entries.push_back({in.ConsumeRandomLengthString(400), 0, std::nullopt, in.ConsumeRandomLengthString(8)});
    zip = testsupport::BuildRawZip(entries);
  }
  bool refused = false;
  try {
    agent::TZipUtils::ExtractFilesTo(zip, folders.target.string());
  } catch (const std::runtime_error&) {
    refused = true;
  }
  std::vector<fs::path> all = folders.All();
  for (const fs::path& p : all) {
    std::string rel = p.lexically_relative(folders.target).string();
    check(!rel.empty() && rel != ".." && rel.rfind("../", 0) != 0);  // nothing outside the target
    check(!fs::is_symlink(p));
  }
  if (refused) check(all.size() == 2);  // the target and what it held
  return 0;
}
