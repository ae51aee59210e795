// The drawing program against the committed pictures: art and program must not drift apart.
// Regenerate with the artwork_regenerate target (or qg_artwork --out resources/bitmaps).
#include <gtest/gtest.h>

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::set<std::string> filesIn(const std::string& directory) {
  std::set<std::string> names;
  if (DIR* dir = opendir(directory.c_str())) {
    while (dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.insert(name);
    }
    closedir(dir);
  }
  return names;
}

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDirectory {
 public:
  TempDirectory() {
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/qg_artwork_XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempDirectory() {
    if (path_.empty()) return;
    for (const std::string& name : filesIn(path_)) std::remove((path_ + "/" + name).c_str());
    rmdir(path_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

int run(const std::string& arguments) {
  const std::string command = std::string("\"") + QG_ARTWORK_PROGRAM + "\" " + arguments;
  return std::system(command.c_str());
}

TEST(Artwork, ProgramRedrawsTheCommittedPicturesByteForByte) {
  TempDirectory out;
  ASSERT_FALSE(out.path().empty());
  ASSERT_EQ(run("--out \"" + out.path() + "\""), 0);

  // Every picture the resource script names, and nothing else.
  const std::string script = readFile(std::string(QG_RESOURCES_DIR) + "/resources.rc");
  const std::regex entry(R"re(\d+[ \t]+BITMAP[ \t]+"bitmaps/([^"]+)")re");
  std::set<std::string> named;
  for (std::sregex_iterator it(script.begin(), script.end(), entry), end; it != end; ++it) named.insert((*it)[1]);
  EXPECT_EQ(named.size(), 21u);
  EXPECT_EQ(filesIn(out.path()), named);

  for (const std::string& name : named) {
    SCOPED_TRACE(name);
    const std::string drawn = readFile(out.path() + "/" + name);
    const std::string committed = readFile(std::string(QG_RESOURCES_DIR) + "/bitmaps/" + name);
    ASSERT_FALSE(committed.empty());
    EXPECT_TRUE(drawn == committed) << "redraw with the artwork_regenerate target, review and commit";
  }
}

TEST(Artwork, ContactSheetIsAPng) {
  TempDirectory out;
  ASSERT_FALSE(out.path().empty());
  const std::string sheet = out.path() + "/sheet.png";
  ASSERT_EQ(run("--contact-sheet \"" + sheet + "\""), 0);
  const std::string bytes = readFile(sheet);
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

TEST(Artwork, RefusesUnknownOptions) {
  EXPECT_NE(run("--bogus x 2>/dev/null"), 0);
  EXPECT_NE(run("2>/dev/null"), 0);
}

}  // namespace
