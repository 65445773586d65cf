// Bodies trusted without a second trial: only the exact bytes that passed, kept on disk
// across processes, and a cache that is damaged or cannot be written costs only trials.
#include <cstring>
#include <filesystem>
#include <fstream>

#include <zlib.h>

#include "platform/base/host_error.h"
#include "platform/files/part_file.h"
#include "platform/files/shape_section.h"
#include "platform/files/trusted_bodies.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

using namespace platform;
using namespace platform::files;
namespace fs = std::filesystem;

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

BodyDigest Numbered(int n) { return DigestOf("body " + std::to_string(n)); }

}  // namespace

TEST(TrustedBodies, KeptForTheNextProcessAndBoundedToTheNewest) {
  const std::string file = fabdoc_test::FreshDir("trust-kept") + "/cache/trusted-bodies";
  {
    TrustedBodies first(file);
    for (int n = 0; n < 3; ++n) first.Add(Numbered(n));
    first.Save();
  }
  TrustedBodies second(file);
  EXPECT_TRUE(second.Contains(Numbered(2)));
  EXPECT_FALSE(second.Contains(Numbered(3)));
  EXPECT_FALSE(second.Contains(DigestOf("body 2 ")));  // one byte more is another body
  // Each process adds to what the file holds then, not to what it read at its start.
  TrustedBodies third(file);
  third.Contains(Numbered(0));
  second.Add(Numbered(10));
  second.Save();
  third.Add(Numbered(11));
  third.Save();
  TrustedBodies both(file);
  EXPECT_TRUE(both.Contains(Numbered(10)));
  EXPECT_TRUE(both.Contains(Numbered(11)));
  EXPECT_EQ(both.Size(), 5u);

  // Past twice the bound the file keeps the newest; 5 + 100,000 added here.
  constexpr int kAdded = 2 * int(TrustedBodies::kMaxEntries);
  TrustedBodies many(file);
  for (int n = 100; n < 100 + kAdded; ++n) many.Add(Numbered(n));
  many.Save();
  TrustedBodies bounded(file);
  EXPECT_EQ(bounded.Size(), TrustedBodies::kMaxEntries);
  EXPECT_FALSE(bounded.Contains(Numbered(11)));
  EXPECT_FALSE(bounded.Contains(Numbered(99 + kAdded - int(TrustedBodies::kMaxEntries))));
  EXPECT_TRUE(bounded.Contains(Numbered(100 + kAdded - int(TrustedBodies::kMaxEntries))));
  EXPECT_TRUE(bounded.Contains(Numbered(99 + kAdded)));
}

TEST(TrustedBodies, ADamagedOrForeignCacheIsTakenAsEmptyAndWrittenAgain) {
  const std::string dir = fabdoc_test::FreshDir("trust-damaged");
  const std::string file = dir + "/trusted-bodies";
  {
    TrustedBodies sound(file);
    sound.Add(Numbered(1));
    sound.Add(Numbered(2));
    sound.Save();
  }
  const std::string whole = Bytes(file);
  const size_t header = whole.size() - 2 * sizeof(BodyDigest);
  std::string otherTrial = whole;
  otherTrial.replace(otherTrial.find("trial "), 7, "trial 0");
  const std::string cases[] = {
      whole.substr(0, whole.size() - 5),               // cut inside a digest
      whole.substr(1),                                 // header damaged
      otherTrial,                                      // an older trial passed these
      std::string(4096, '\xff'),                       // garbage
      whole.substr(0, header) + std::string(3, '\0'),  // a stray tail
  };
  for (const std::string& damaged : cases) {
    Write(file, damaged);
    TrustedBodies read(file);
    EXPECT_FALSE(read.Contains(Numbered(1)));
    EXPECT_EQ(read.Size(), 0u);
    read.Add(Numbered(3));
    read.Save();
    TrustedBodies again(file);
    EXPECT_TRUE(again.Contains(Numbered(3))) << "the damaged file is replaced by a sound one";
    EXPECT_EQ(again.Size(), 1u);
  }
}

TEST(TrustedBodies, ACacheThatCannotBeWrittenOnlyCostsTrials) {
  const std::string dir = fabdoc_test::FreshDir("trust-unwritable");
  Write(dir + "/not-a-folder", "x");
  TrustedBodies blocked(dir + "/not-a-folder/trusted-bodies");
  blocked.Add(Numbered(1));
  EXPECT_NO_THROW(blocked.Save());
  EXPECT_TRUE(blocked.Contains(Numbered(1))) << "still trusted in this process";
  EXPECT_FALSE(TrustedBodies(dir + "/not-a-folder/trusted-bodies").Contains(Numbered(1)));
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_EQ(entry.path().filename(), "not-a-folder") << "no temporary file is left";
}

// The part reader trusts the bytes of a body it tried, and nothing else: a copy of the
// file with one vertex of that body moved far off its edges is refused as before.
class TrustedPartFile : public fabdoc_test::SessionTest {};

TEST_F(TrustedPartFile, ADamagedBodyIsRefusedAfterItsSoundTwinWasTrusted) {
  const std::string dir = fabdoc_test::FreshDir("trust-twin");
  const std::string sound = dir + "/plate.prt", damaged = dir + "/plate-damaged.prt";
  // A corner no other body has, so its value appears in this body's stream alone.
  constexpr double kCorner = 1234.5625;
  Part& part = Session::Get().NewPart(ToHostPath(sound));
  fabdoc_test::AddBox(part, kCorner, 0, 0, 100, 50, 8, "plate");
  SavePart(part, part.path);
  Session::Get().Reset();
  ASSERT_NO_THROW(OpenPart(ToHostPath(sound)));
  const std::string bytes = Bytes(sound);
  const size_t sectionEnd = bytes.size() - 8;  // CRC and trailer
  // The one body's stream ends the shape section, right after its length.
  size_t streamAt = sectionEnd - 8;
  auto lengthBefore = [&](size_t at) {
    std::uint64_t length = 0;
    std::memcpy(&length, bytes.data() + at - 8, 8);
    return length;
  };
  while (streamAt > 8 && lengthBefore(streamAt) != sectionEnd - streamAt) --streamAt;
  ASSERT_GT(streamAt, 8u);
  EXPECT_TRUE(TrustedBodies::Shared().Contains(DigestOf(std::string_view(bytes).substr(streamAt, sectionEnd - streamAt))));
  Session::Get().Reset();

  // The last copy of the corner's x is a vertex's (the stream ends with its vertices).
  char pattern[sizeof kCorner], far[sizeof kCorner];
  const double farX = 1e6;
  std::memcpy(pattern, &kCorner, sizeof pattern);
  std::memcpy(far, &farX, sizeof far);
  std::string changed = bytes;
  const size_t at = changed.rfind(std::string(pattern, sizeof pattern), sectionEnd);
  ASSERT_NE(at, std::string::npos);
  ASSERT_GT(at, streamAt);
  changed.replace(at, sizeof far, std::string(far, sizeof far));
  const std::uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(changed.data()), sectionEnd);
  for (int i = 0; i < 4; ++i) changed[sectionEnd + i] = static_cast<char>((crc >> (8 * i)) & 0xff);
  Write(damaged, changed);
  try {
    OpenPart(ToHostPath(damaged));
    ADD_FAILURE() << "the damaged twin was opened";
  } catch (const HostError& e) {
    const std::string what = e.what();
    EXPECT_EQ(what.rfind(damaged + ": damaged shapes (body \"plate\"", 0), 0u) << what;
    EXPECT_NE(what.find("does not pass through its vertices"), std::string::npos) << what;
  }
  EXPECT_TRUE(Session::Get().Parts().empty());
  // The sound file still opens, its body as it was.
  Part& reopened = OpenPart(ToHostPath(sound));
  EXPECT_NEAR(dynamic_cast<Body&>(*reopened.Objects().front()).Mass().volume, 100 * 50 * 8, 1e-6);
}
