#include "ExactPoint.h"
#include "FileError.h"
#include "PerfilError.h"
#include "ProfileFile.h"
#include "SectionProperties.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <thread>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const std::string Invalid = "Arquivo de perfil inválido";

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> Listing(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
}

// True when file modes stop this process (they do not stop root).
bool PermissionsEnforced(const TempDir& dir) {
    const std::string probe = dir / "probe";
    WriteAll(probe, {1});
    fs::permissions(probe, fs::perms::none);
    const bool enforced = !std::ifstream(probe).is_open();
    fs::remove(probe);
    return enforced;
}

// The file layout written out by hand, independently of the codec.
void PutLE(Bytes& out, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

struct Record {
    std::int32_t number = 1;
    std::uint64_t thicknessBits = std::bit_cast<std::uint64_t>(1.5);
    std::uint8_t kind = 0;
    std::int32_t x1 = 10, y1 = 20, x2 = 30, y2 = 40;
    std::uint8_t fill = 0xA0; // gaps and Reserved hold fill, fill + 1, ...
};

Bytes FileOf(std::int32_t count, const std::vector<Record>& records, std::int32_t material) {
    Bytes out;
    PutLE(out, static_cast<std::uint32_t>(count), 4);
    for (const Record& r : records) {
        PutLE(out, static_cast<std::uint32_t>(r.number), 4);
        auto fill = [&out, &r](int n, int from) {
            for (int i = 0; i < n; ++i)
                out.push_back(static_cast<std::uint8_t>(r.fill + from + i));
        };
        fill(4, 0);
        PutLE(out, r.thicknessBits, 8);
        out.push_back(r.kind);
        fill(3, 4);
        for (std::int32_t v : {r.x1, r.y1, r.x2, r.y2})
            PutLE(out, static_cast<std::uint32_t>(v), 4);
        fill(36, 7);
    }
    PutLE(out, static_cast<std::uint32_t>(material), 4);
    return out;
}

Bytes FileOf(const std::vector<Record>& records, std::int32_t material) {
    return FileOf(static_cast<std::int32_t>(records.size()), records, material);
}

// Everything a load may change, byte for byte (NaN thicknesses compare equal here).
struct Snapshot {
    Bytes slots;
    int count, current, material;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Snap(const TProfile& p) {
    const auto* first = reinterpret_cast<const std::uint8_t*>(&p.Objects(1));
    return {Bytes(first, first + sizeof(TProfileObject) * TProfile::Capacity), p.ObjectCount(),
            p.CurrentIndex(), p.MaterialIndex()};
}

Bytes EncodedObjects(const TProfile& p) {
    const auto* first = reinterpret_cast<const std::uint8_t*>(p.liveObjects().data());
    return Bytes(first, first + p.liveObjects().size_bytes());
}

TProfile SomeProfile() {
    TProfile p;
    p.createObject(okBar, {10, 10}, 15);
    p.createObject(okAppendix, {50, 60}, 20);
    p.selectMaterial("Cobre - 8,87");
    p.setCurrentIndex(2);
    return p;
}

std::int32_t Int32At(const Bytes& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= std::uint32_t{b[at + i]} << (8 * i);
    return static_cast<std::int32_t>(v);
}

std::string MessageOf(const std::function<void()>& command) {
    try {
        command();
    } catch (const PerfilError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(ProfileFileTest, LoadReadsEveryFieldAtItsOffset) {
    TempDir dir;
    Record r;
    r.number = 9;
    r.kind = 2;
    r.x1 = -3;
    WriteAll(dir / "a.per", FileOf({r}, 3));
    TProfile p = SomeProfile();
    LoadProfile(p, dir / "a.per");
    ASSERT_EQ(p.ObjectCount(), 1);
    EXPECT_EQ(p.CurrentIndex(), 1);
    EXPECT_EQ(p.MaterialIndex(), 3);
    const TProfileObject& o = p.Objects(1);
    EXPECT_EQ(o.Number, 9);
    EXPECT_EQ(o.Gap1, (std::array<std::uint8_t, 4>{0xA0, 0xA1, 0xA2, 0xA3}));
    EXPECT_EQ(o.Thickness, 1.5);
    EXPECT_EQ(o.Kind, okAppendix);
    EXPECT_EQ(o.Gap2, (std::array<std::uint8_t, 3>{0xA4, 0xA5, 0xA6}));
    EXPECT_EQ(o.P1, (TPoint{-3, 20}));
    EXPECT_EQ(o.P2, (TPoint{30, 40}));
    EXPECT_EQ(o.Reserved[0], 0xA7);
    EXPECT_EQ(o.Reserved[35], 0xA7 + 35);
}

TEST(ProfileFileTest, EmptyProfileSavesAsEightBytes) {
    TempDir dir;
    TProfile p;
    p.selectMaterial("");
    SaveProfile(p, dir / "e.per");
    EXPECT_EQ(ReadAll(dir / "e.per"), (Bytes{0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(ProfileFileTest, SaveCompactsFirstAndStoresThicknessAsBinary64) {
    TempDir dir;
    TProfile p;
    for (int i = 1; i <= 5; ++i)
        p.createObject(okBar, {i, 0}, 15);
    p.setCurrentIndex(4);
    p.deleteCurrent();
    p.Objects(2).Number = 0; // marked, not yet compacted: the save must drop it itself
    SaveProfile(p, dir / "c.per");
    const Bytes b = ReadAll(dir / "c.per");
    ASSERT_EQ(b.size(), 224u);
    EXPECT_EQ(p.ObjectCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const std::size_t at = 4 + 72 * static_cast<std::size_t>(i);
        EXPECT_EQ(Int32At(b, at), i + 1);
        EXPECT_EQ(Int32At(b, at + 20), (std::array{1, 3, 5})[static_cast<std::size_t>(i)]);
        EXPECT_EQ(Bytes(b.begin() + at + 8, b.begin() + at + 16),
                  (Bytes{0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    }
}

TEST(ProfileFileTest, SaveRenumbersLoadedRecordsAndKeepsTheirOtherBytes) {
    TempDir dir;
    Record a, deleted, c;
    a.number = 5;
    deleted.number = 0;
    c.number = 7;
    c.fill = 0x10;
    WriteAll(dir / "in.per", FileOf({a, deleted, c}, 6));
    TProfile p;
    LoadProfile(p, dir / "in.per");
    SaveProfile(p, dir / "out.per");
    a.number = 1;
    c.number = 2;
    EXPECT_EQ(ReadAll(dir / "out.per"), FileOf({a, c}, 6));
}

const auto CaseName = [](const auto& info) { return std::string(info.param.name); };

struct RoundTripCase {
    const char* name;
    std::function<void(Record&)> change;
    std::int32_t material = 0;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileFileRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

// Whatever a stored file holds must survive loading, computing and saving unchanged.
TEST_P(ProfileFileRoundTripTest, LoadComputeSaveIsByteIdentical) {
    TempDir dir;
    Record odd, plain, appendix;
    GetParam().change(odd);
    plain.number = 2;
    plain.fill = 0;
    appendix.number = 3;
    appendix.kind = 2;
    const Bytes file = FileOf({odd, plain, appendix}, GetParam().material);
    WriteAll(dir / "in.per", file);
    TProfile p;
    LoadProfile(p, dir / "in.per");
    EXPECT_EQ(p.MaterialIndex(), GetParam().material);
    try {
        ComputeSection(p, "Aço - 7,75", ',');
    } catch (const PerfilError&) {
        // Refusing to compute is fine; only undefined behaviour is not.
    }
    SaveProfile(p, dir / "out.per");
    EXPECT_EQ(ReadAll(dir / "out.per"), file);
}

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

void Thickness(Record& r, double t) {
    r.thicknessBits = std::bit_cast<std::uint64_t>(t);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileFileRoundTripTest,
    testing::Values(
        RoundTripCase{"plain", [](Record&) {}},
        RoundTripCase{"quiet_nan",
                      [](Record& r) { Thickness(r, std::numeric_limits<double>::quiet_NaN()); }},
        RoundTripCase{"signalling_nan_payload",
                      [](Record& r) { r.thicknessBits = 0x7FF0'0000'0000'1234; }},
        RoundTripCase{"plus_infinity",
                      [](Record& r) { Thickness(r, std::numeric_limits<double>::infinity()); }},
        RoundTripCase{"minus_infinity",
                      [](Record& r) { Thickness(r, -std::numeric_limits<double>::infinity()); }},
        RoundTripCase{"thickness_1e308", [](Record& r) { Thickness(r, 1e308); }},
        RoundTripCase{"negative_thickness", [](Record& r) { Thickness(r, -2.5); }},
        RoundTripCase{"zero_thickness", [](Record& r) { Thickness(r, 0.0); }},
        RoundTripCase{"coordinates_at_int32_limits",
                      [](Record& r) { r.x1 = Min32, r.y1 = Max32, r.x2 = Max32, r.y2 = Min32; }},
        RoundTripCase{"kind_1", [](Record& r) { r.kind = 1; }},
        RoundTripCase{"kind_255", [](Record& r) { r.kind = 255; }},
        RoundTripCase{"appendix_at_int32_min",
                      [](Record& r) { r.kind = 2, r.x1 = Min32, r.y1 = Min32; }},
        RoundTripCase{"material_minus_1", [](Record&) {}, -1},
        RoundTripCase{"material_int32_max", [](Record&) {}, Max32},
        RoundTripCase{"all_gap_bytes_ff", [](Record& r) { r.fill = 0xFF; }}),
    CaseName);

TEST(ProfileFileTest, FullProfileRoundTrips) {
    TempDir dir;
    std::vector<Record> records(TProfile::Capacity);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].number = static_cast<std::int32_t>(i + 1);
        records[i].fill = static_cast<std::uint8_t>(i);
        records[i].x2 = static_cast<std::int32_t>(i * 1000);
    }
    const Bytes file = FileOf(records, 7);
    ASSERT_EQ(file.size(), 18368u);
    WriteAll(dir / "in.per", file);
    TProfile p;
    LoadProfile(p, dir / "in.per");
    SaveProfile(p, dir / "out.per");
    EXPECT_EQ(ReadAll(dir / "out.per"), file);
}

// A file or folder made in a fresh directory, what loading or saving it must report, and
// whether the case depends on file modes (which do not stop root).
struct FileCase {
    const char* name;
    // Makes its things inside dir and returns the path to load from or save to.
    std::function<std::string(const TempDir&)> make;
    std::string message;
    bool needsEnforcedPermissions = false;
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

std::function<std::string(const TempDir&)> FileWith(Bytes bytes) {
    return [bytes](const TempDir& dir) {
        WriteAll(dir / "bad.per", bytes);
        return dir / "bad.per";
    };
}

Bytes Grown(Bytes b, std::size_t by) {
    b.resize(b.size() + by, 0);
    return b;
}

Bytes Shrunk(Bytes b, std::size_t by) {
    b.resize(b.size() - by);
    return b;
}

// Each case gets a fresh directory; those that rely on file modes skip where modes do not bind.
class FileCaseTest : public testing::TestWithParam<FileCase> {
  protected:
    void SetUp() override {
        if (GetParam().needsEnforcedPermissions && !PermissionsEnforced(dir))
            GTEST_SKIP() << "file modes do not stop this user (running as root)";
    }
    TempDir dir;
};

class ProfileFileBadLoadTest : public FileCaseTest {};

TEST_P(ProfileFileBadLoadTest, RefusesAndLeavesTheProfileAlone) {
    const FileCase& c = GetParam();
    const std::string path = c.make(dir);
    TProfile p = SomeProfile();
    const Snapshot before = Snap(p);
    EXPECT_EQ(MessageOf([&] { LoadProfile(p, path); }), c.message);
    EXPECT_EQ(Snap(p), before);
}

const Bytes TwoRecords = FileOf({Record{}, Record{}}, 1);

// A pipe with nobody at its other end.
std::string Pipe(const TempDir& dir) {
    ::mkfifo((dir / "pipe.per").c_str(), 0600);
    return dir / "pipe.per";
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileFileBadLoadTest,
    testing::Values(
        FileCase{"empty", FileWith({}), Invalid},
        FileCase{"three_bytes", FileWith({1, 0, 0}), Invalid},
        FileCase{"count_minus_1", FileWith(FileOf(-1, {}, 0)), Invalid},
        FileCase{"count_256", FileWith(FileOf(256, std::vector<Record>(256), 0)), Invalid},
        FileCase{"count_int32_max", FileWith(FileOf(Max32, {}, 0)), Invalid},
        FileCase{"one_record_short", FileWith(FileOf(2, {Record{}}, 0)), Invalid},
        FileCase{"one_byte_short", FileWith(Shrunk(TwoRecords, 1)), Invalid},
        FileCase{"one_byte_long", FileWith(Grown(TwoRecords, 1)), Invalid},
        FileCase{"far_too_long", FileWith(Grown(FileOf({}, 0), 1 << 20)), Invalid},
        FileCase{"a_block_signature_cut_short",
                 FileWith([] {
                     Bytes b = TwoRecords;
                     for (const char c : std::string("PERFIL-"))
                         b.push_back(static_cast<std::uint8_t>(c));
                     return b;
                 }()),
                 Invalid},
        FileCase{"full_profile_one_byte_long",
                 FileWith(Grown(FileOf(std::vector<Record>(TProfile::Capacity), 0), 1)), Invalid},
        // Opening a pipe would wait for a writer that never comes.
        FileCase{"a_pipe", Pipe, NotARegularFileMessage},
        FileCase{"unreadable",
                 [](const TempDir& dir) {
                     WriteAll(dir / "locked.per", TwoRecords);
                     fs::permissions(dir / "locked.per", fs::perms::none);
                     return dir / "locked.per";
                 },
                 "File access denied", true},
        FileCase{"a_directory",
                 [](const TempDir& dir) {
                     fs::create_directory(dir / "sub.per");
                     return dir / "sub.per";
                 },
                 "File access denied"},
        FileCase{"missing", [](const TempDir& dir) { return dir / "none.per"; }, "File not found"},
        FileCase{"path_under_a_file",
                 [](const TempDir& dir) {
                     WriteAll(dir / "plain", TwoRecords);
                     return dir / "plain/x.per";
                 },
                 "Invalid filename"},
        FileCase{"empty_name", [](const TempDir&) { return std::string(); }, "Invalid filename"},
        FileCase{"name_too_long", [](const TempDir& dir) { return dir / std::string(300, 'n'); },
                 "Invalid filename"}),
    CaseName);

// A failed save must leave the file it was to replace as it was, and no litter beside it.
class ProfileFileSaveFailureTest : public FileCaseTest {};

TEST_P(ProfileFileSaveFailureTest, KeepsTheOldFile) {
    const FileCase& c = GetParam();
    const Bytes old = FileOf({Record{}}, 2);
    WriteAll(dir / "old.per", old);
    const std::string target = c.make(dir); // old.per already exists
    const auto before = Listing(dir.path());
    TProfile p = SomeProfile();
    EXPECT_EQ(MessageOf([&] { SaveProfile(p, target); }), c.message);
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(ReadAll(dir / "old.per"), old);
    EXPECT_EQ(Listing(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ProfileFileSaveFailureTest,
    testing::Values(
        FileCase{"target_is_a_directory",
                 [](const TempDir& dir) {
                     fs::create_directory(dir / "sub.per");
                     return dir / "sub.per";
                 },
                 "File access denied"},
        FileCase{"missing_directory", [](const TempDir& dir) { return dir / "none/new.per"; },
                 "File not found"},
        FileCase{"path_under_a_file", [](const TempDir& dir) { return dir / "old.per/new.per"; },
                 "Invalid filename"},
        FileCase{"read_only_file",
                 [](const TempDir& dir) {
                     fs::permissions(dir / "old.per", fs::perms::owner_read);
                     return dir / "old.per";
                 },
                 "File access denied", true},
        FileCase{"new_file_in_read_only_directory",
                 [](const TempDir& dir) {
                     fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
                     return dir / "new.per";
                 },
                 "File access denied", true},
        FileCase{"symbolic_link_loop",
                 [](const TempDir& dir) {
                     fs::create_symlink(dir / "b.per", dir / "a.per");
                     fs::create_symlink(dir / "a.per", dir / "b.per");
                     return dir / "a.per";
                 },
                 "Invalid filename"},
        // Nobody reads the pipe: waiting for a reader would hang the save for ever.
        FileCase{"pipe_without_reader", Pipe, "I/O error " + std::to_string(ENXIO)}),
    CaseName);

// Caps the size of files this process writes, as a full disk would, for one scope.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit capped{bytes, m_old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};

// Replaced through a new file or, for a hard-linked one, rewritten in place: either way a
// full disk must leave the old contents whole and nothing beside them, whether the new
// file is longer than the old one or shorter (the limit then strikes while old bytes are
// being overwritten).
TEST(ProfileFileTest, WriteFailingMidwayKeepsTheOldFile) {
    for (const auto& [hardLinked, oldObjects] :
         {std::pair{false, 1}, std::pair{true, 1}, std::pair{false, 100}, std::pair{true, 100}}) {
        SCOPED_TRACE(std::string(hardLinked ? "hard-linked, in place" : "replaced") + ", " +
                     std::to_string(oldObjects) + " old objects");
        TempDir dir;
        const Bytes old = FileOf(std::vector<Record>(static_cast<std::size_t>(oldObjects)), 2);
        WriteAll(dir / "old.per", old);
        if (hardLinked)
            fs::create_hard_link(dir / "old.per", dir / "other.per");
        const auto before = Listing(dir.path());
        TProfile p = SomeProfile();
        for (int i = 0; i < 10; ++i)
            p.createObject(okBar, {i, i}, 10);
        std::string message;
        {
            const FileSizeLimit limit(100);
            message = MessageOf([&] { SaveProfile(p, dir / "old.per"); });
        }
        EXPECT_EQ(message, "I/O error " + std::to_string(EFBIG));
        EXPECT_EQ(ReadAll(dir / "old.per"), old);
        EXPECT_EQ(Listing(dir.path()), before);
    }
}

// Two saves rewriting one file in place must not interleave: while another save holds
// the file, a save waits and only then writes.
TEST(ProfileFileTest, InPlaceRewriteWaitsForAnotherSave) {
    TempDir dir;
    const Bytes old = FileOf({Record{}}, 2);
    WriteAll(dir / "old.per", old);
    fs::create_hard_link(dir / "old.per", dir / "other.per");
    const int held = ::open((dir / "old.per").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    TProfile p = SomeProfile();
    std::thread save([&] { SaveProfile(p, dir / "old.per"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Bytes whileHeld = ReadAll(dir / "old.per");
    ::close(held);
    save.join();
    EXPECT_EQ(whileHeld, old);
    TProfile reloaded;
    LoadProfile(reloaded, dir / "other.per");
    EXPECT_EQ(EncodedObjects(reloaded), EncodedObjects(p));
}

// A replaced file keeps its access ACL and its other extended attributes: without them
// the ACL's mask would turn into the group's own rights.
TEST(ProfileFileTest, ReplacementKeepsAclAndExtendedAttributes) {
    TempDir dir;
    const std::string old = dir / "old.per";
    WriteAll(old, FileOf({Record{}}, 2));
    // user::rw-, user:65534:rw-, group::---, mask::rw-, other::---, as the kernel stores
    // it: a version word, then tag, permissions and id for each entry.
    Bytes acl;
    PutLE(acl, 2, 4);
    for (const auto& [tag, perm, id] :
         {std::tuple{0x01, 6, ~0u}, std::tuple{0x02, 6, 65534u}, std::tuple{0x04, 0, ~0u},
          std::tuple{0x10, 6, ~0u}, std::tuple{0x20, 0, ~0u}}) {
        PutLE(acl, static_cast<std::uint64_t>(tag), 2);
        PutLE(acl, static_cast<std::uint64_t>(perm), 2);
        PutLE(acl, id, 4);
    }
    const std::string note = "perfil de teste";
    if (::setxattr(old.c_str(), "user.note", note.data(), note.size(), 0) != 0 ||
        ::setxattr(old.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0)
        GTEST_SKIP() << "no ACLs or user attributes here: " << std::strerror(errno);
    const auto attribute = [&old](const char* name) {
        Bytes value(256);
        const ssize_t size = ::getxattr(old.c_str(), name, value.data(), value.size());
        value.resize(static_cast<std::size_t>(std::max<ssize_t>(size, 0)));
        return value;
    };
    TProfile p = SomeProfile();
    SaveProfile(p, old);
    EXPECT_EQ(attribute("user.note"), Bytes(note.begin(), note.end()));
    EXPECT_EQ(attribute("system.posix_acl_access"), acl);
    EXPECT_EQ(fs::status(old).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                 fs::perms::group_read | fs::perms::group_write);
}

TEST(ProfileFileTest, FullDeviceReportsItsErrorAndStaysADevice) {
    struct stat st {};
    if (::stat("/dev/full", &st) != 0 || !S_ISCHR(st.st_mode))
        GTEST_SKIP() << "no full device on this system";
    TProfile p = SomeProfile();
    EXPECT_EQ(MessageOf([&] { SaveProfile(p, "/dev/full"); }), "I/O error 28");
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(ProfileFileTest, SaveKeepsPermissionsAndSymbolicLinks) {
    TempDir dir;
    WriteAll(dir / "real.per", FileOf({Record{}}, 2));
    fs::permissions(dir / "real.per",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(dir / "real.per", dir / "link.per");
    TProfile p;
    SaveProfile(p, dir / "link.per");
    EXPECT_TRUE(fs::is_symlink(dir / "link.per"));
    EXPECT_EQ(ReadAll(dir / "real.per").size(), 8u);
    EXPECT_EQ(fs::status(dir / "real.per").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Where a rename would lose the file's other names or is not allowed in the folder, the
// file is rewritten in place: same inode, new contents, nothing left beside it.
struct InPlaceCase {
    const char* name;
    std::function<void(const TempDir&)> prepare; // old.per exists already
    bool needsEnforcedPermissions = false;
};

void PrintTo(const InPlaceCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileFileInPlaceTest : public testing::TestWithParam<InPlaceCase> {};

TEST_P(ProfileFileInPlaceTest, RewritesTheSameFile) {
    TempDir dir;
    const std::string old = dir / "old.per";
    WriteAll(old, FileOf({Record{}, Record{}}, 2));
    if (GetParam().needsEnforcedPermissions && !PermissionsEnforced(dir))
        GTEST_SKIP() << "file modes do not stop this user (running as root)";
    GetParam().prepare(dir);
    const auto before = Listing(dir.path());
    const auto links = fs::hard_link_count(old);
    struct stat oldStatus {};
    ASSERT_EQ(::stat(old.c_str(), &oldStatus), 0);
    TProfile p = SomeProfile();
    SaveProfile(p, old);
    struct stat newStatus {};
    ASSERT_EQ(::stat(old.c_str(), &newStatus), 0);
    EXPECT_EQ(newStatus.st_ino, oldStatus.st_ino);
    EXPECT_EQ(fs::hard_link_count(old), links);
    TProfile reloaded;
    LoadProfile(reloaded, old);
    EXPECT_EQ(EncodedObjects(reloaded), EncodedObjects(p));
    fs::permissions(dir.path(), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(Listing(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Targets, ProfileFileInPlaceTest,
                         testing::Values(InPlaceCase{"hard_link",
                                                     [](const TempDir& dir) {
                                                         fs::create_hard_link(dir / "old.per",
                                                                              dir / "other.per");
                                                     }},
                                         // The old tail must not outlive the rewrite.
                                         InPlaceCase{"hard_link_to_a_longer_file",
                                                     [](const TempDir& dir) {
                                                         WriteAll(dir / "old.per",
                                                                  FileOf(std::vector<Record>(3), 2));
                                                         fs::create_hard_link(dir / "old.per",
                                                                              dir / "other.per");
                                                     }},
                                         InPlaceCase{"writable_file_in_read_only_directory",
                                                     [](const TempDir& dir) {
                                                         fs::permissions(dir.path(),
                                                                         fs::perms::owner_read |
                                                                             fs::perms::owner_exec);
                                                     },
                                                     true}),
                         CaseName);

// The replacement's hidden name is cut to fit, so the longest name a folder allows saves.
TEST(ProfileFileTest, LongestNameIsReplaced) {
    TempDir dir;
    const std::string longest = dir / std::string(NAME_MAX, 'n');
    WriteAll(longest, FileOf({Record{}}, 2));
    TProfile p;
    SaveProfile(p, longest);
    EXPECT_EQ(ReadAll(longest).size(), 8u);
}

TEST(ProfileFileTest, DanglingLinkGetsItsFileCreated) {
    TempDir dir;
    fs::create_symlink("made.per", dir / "link.per");
    TProfile p;
    SaveProfile(p, dir / "link.per");
    EXPECT_TRUE(fs::is_symlink(dir / "link.per"));
    EXPECT_EQ(ReadAll(dir / "made.per").size(), 8u);
}

// Root can hand the replacement the old owner; others write in place (see the
// unprivileged run), so either way the file keeps its owner.
TEST(ProfileFileTest, ReplacementKeepsTheOwner) {
    TempDir dir;
    WriteAll(dir / "theirs.per", FileOf({Record{}}, 2));
    if (::chown((dir / "theirs.per").c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "only root can give a file away";
    TProfile p;
    SaveProfile(p, dir / "theirs.per");
    struct stat status {};
    ASSERT_EQ(::stat((dir / "theirs.per").c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 65534u);
    EXPECT_EQ(status.st_gid, 65534u);
}

// Number 0 alone marks a deleted slot; any other number, a negative one too, is an
// object: it loads, counts and is renumbered by the next save.
TEST(ProfileFileTest, NegativeNumberIsAnObjectLikeAnyNonZeroNumber) {
    TempDir dir;
    Record negative;
    negative.number = -7;
    Record deleted;
    deleted.number = 0;
    WriteAll(dir / "in.per", FileOf({negative, deleted}, 1));
    TProfile p;
    LoadProfile(p, dir / "in.per");
    SaveProfile(p, dir / "out.per");
    const Bytes saved = ReadAll(dir / "out.per");
    ASSERT_EQ(saved.size(), 8u + 72u);
    EXPECT_EQ(Int32At(saved, 0), 1);
    EXPECT_EQ(Int32At(saved, 4), 1);
}

// The fuzzer's seeds, and every input it ever tripped over, stay regression cases here:
// valid_* files load, compute and survive a save and reload; refused_* files are refused.
TEST(ProfileFileTest, FuzzInputsLoadOrAreRefused) {
    TempDir dir;
    int seen = 0;
    for (const auto& entry : fs::directory_iterator(PERFIL_FUZZ_SEEDS)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++seen;
        TProfile p = SomeProfile();
        ASSERT_TRUE(name.starts_with("valid_") || name.starts_with("refused_"));
        if (name.starts_with("refused_")) {
            const Snapshot before = Snap(p);
            EXPECT_EQ(MessageOf([&] { LoadProfile(p, entry.path()); }), Invalid);
            EXPECT_EQ(Snap(p), before);
            continue;
        }
        ASSERT_EQ(MessageOf([&] { LoadProfile(p, entry.path()); }), "(no error)");
        MessageOf([&] { ComputeSection(p, "Aço - 7,75", ','); });
        SaveProfile(p, dir / "out.per");
        TProfile reloaded;
        LoadProfile(reloaded, dir / "out.per");
        EXPECT_EQ(EncodedObjects(reloaded), EncodedObjects(p));
    }
    EXPECT_GE(seen, 10);
}

// ---- The extension block ----

void PutText(Bytes& out, const std::string& text) {
    PutLE(out, text.size(), 4);
    out.insert(out.end(), text.begin(), text.end());
}

void SetLE(Bytes& out, std::size_t at, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// CRC-32 bit by bit, as its definition reads.
std::uint32_t Crc(const Bytes& bytes) {
    std::uint32_t c = 0xFFFFFFFF;
    for (const std::uint8_t b : bytes) {
        c ^= b;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// One bar (10.25, 20.50)-(197.75, 20.00), t 2.25, and an appendix at (60.50, 99.99).
constexpr TExactPoint BarP1{1025, 2050}, BarP2{19775, 2000}, AppendixAt{6050, 9999};
const std::string Name = "Ue 200x75x25x2,25";
const std::string Material = "Aço - 7,85";

TProfile ExactProfile() {
    TProfile p;
    p.createObject(okBar, {0, 0}, 15);
    p.createObject(okAppendix, {0, 0}, 20);
    TProfileObject& bar = p.Objects(1);
    bar.Thickness = 2.25;
    SetExactPoint(bar, TEnd::P1, BarP1);
    SetExactPoint(bar, TEnd::P2, BarP2);
    SetExactPoint(p.Objects(2), TEnd::P1, AppendixAt);
    p.selectMaterial(Material);
    TProfileInfo info = p.info();
    info.Name = Name;
    info.Material.E = 205000;
    info.Material.Fy = 345;
    p.setInfo(info);
    return p;
}

// The main part as a reader of the original layout sees it: whole millimetres, the
// nearest to each point, ties to even (20.50 gives 20).
Bytes ExpectedMainPart() {
    Bytes out;
    PutLE(out, 2, 4);
    auto record = [&](int number, double t, std::uint8_t kind, std::int32_t x1, std::int32_t y1,
                      std::int32_t x2, std::int32_t y2) {
        PutLE(out, static_cast<std::uint32_t>(number), 4);
        PutLE(out, 0, 4);
        PutLE(out, std::bit_cast<std::uint64_t>(t), 8);
        out.push_back(kind);
        PutLE(out, 0, 3);
        for (const std::int32_t v : {x1, y1, x2, y2})
            PutLE(out, static_cast<std::uint32_t>(v), 4);
        out.insert(out.end(), 36, 0);
    };
    record(1, 2.25, 0, 10, 20, 198, 20);
    record(2, 2.0, 2, 60, 100, 0, 0);
    PutLE(out, static_cast<std::uint32_t>(-1), 4); // a typed material is in no list
    return out;
}

Bytes ExpectedBlock(const Bytes& main) {
    Bytes block = {'P', 'E', 'R', 'F', 'I', 'L', '-', 'X'};
    PutLE(block, 1, 4); // version
    PutLE(block, 0, 4); // length, below
    PutLE(block, 0, 4); // checksum, below
    for (const TExactPoint p : {BarP1, BarP2, AppendixAt, TExactPoint{}})
        for (const std::int64_t v : {p.X, p.Y})
            PutLE(block, static_cast<std::uint64_t>(v), 8);
    PutText(block, Name);
    PutText(block, Material);
    for (const double v : {7.85, 205000.0, 0.3, 345.0})
        PutLE(block, std::bit_cast<std::uint64_t>(v), 8);
    SetLE(block, 12, block.size(), 4);
    Bytes covered = main;
    covered.insert(covered.end(), block.begin(), block.begin() + 16);
    covered.insert(covered.end(), block.begin() + 20, block.end());
    SetLE(block, 16, Crc(covered), 4);
    return block;
}

Bytes ExpectedFile() {
    Bytes file = ExpectedMainPart();
    const Bytes block = ExpectedBlock(file);
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

TEST(ProfileExtensionTest, SavesTheMainPartInWholeMillimetresAndTheRestInTheBlock) {
    TempDir dir;
    TProfile p = ExactProfile();
    SaveProfile(p, dir / "x.per");
    EXPECT_EQ(ReadAll(dir / "x.per"), ExpectedFile());
}

TEST(ProfileExtensionTest, LoadsWhatWasSaved) {
    TempDir dir;
    TProfile saved = ExactProfile();
    SaveProfile(saved, dir / "x.per");
    TProfile loaded;
    EXPECT_EQ(LoadProfile(loaded, dir / "x.per"), "");
    ASSERT_EQ(loaded.ObjectCount(), 2);
    EXPECT_EQ(ExactPoint(loaded.Objects(1), TEnd::P1), BarP1);
    EXPECT_EQ(ExactPoint(loaded.Objects(1), TEnd::P2), BarP2);
    EXPECT_EQ(ExactPoint(loaded.Objects(2), TEnd::P1), AppendixAt);
    EXPECT_EQ(loaded.info(), saved.info());
    EXPECT_EQ(loaded.MaterialIndex(), -1);
}

// Whatever happened to a block, the main part loads as a reader of the original layout
// reads it, and the user hears why the rest did not.
struct DamageCase {
    const char* name;
    std::function<void(Bytes&)> damage;
    std::string notice; // empty: the block is used
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileExtensionDamageTest : public testing::TestWithParam<DamageCase> {};

TEST_P(ProfileExtensionDamageTest, LoadsTheMainPartAndSaysWhy) {
    TempDir dir;
    Bytes file = ExpectedFile();
    GetParam().damage(file);
    WriteAll(dir / "x.per", file);
    TProfile p;
    const std::string notice = LoadProfile(p, dir / "x.per");
    if (GetParam().notice.empty()) {
        EXPECT_EQ(notice, "");
        EXPECT_EQ(ExactPoint(p.Objects(1), TEnd::P2), BarP2);
        EXPECT_EQ(p.info().Name, Name);
        return;
    }
    EXPECT_EQ(notice, "dados estendidos ignorados: " + GetParam().notice);
    ASSERT_EQ(p.ObjectCount(), 2);
    EXPECT_EQ(ExactPoint(p.Objects(1), TEnd::P2), ExactPoint(p.Objects(1).P2));
    EXPECT_EQ(p.info(), LayoutInfo(p.MaterialIndex()));
}

constexpr std::size_t MainSize = 8 + 2 * 72;

// The block's checksum made right again after a deliberate change.
void Reseal(Bytes& file) {
    const std::size_t length = file.size() - MainSize;
    SetLE(file, MainSize + 12, length, 4);
    Bytes covered(file.begin(), file.begin() + MainSize + 16);
    covered.insert(covered.end(), file.begin() + MainSize + 20, file.end());
    SetLE(file, MainSize + 16, Crc(covered), 4);
}

// Bends raise the block to version 2, with the radius after the material's constants.
TEST(ProfileExtensionTest, SavesABendRadiusAsVersion2) {
    TempDir dir;
    TProfile p = ExactProfile();
    TProfileInfo info = p.info();
    info.BendRadius = 2.25;
    p.setInfo(info);
    SaveProfile(p, dir / "x.per");
    Bytes expected = ExpectedFile();
    SetLE(expected, MainSize + 8, 2, 4);
    PutLE(expected, std::bit_cast<std::uint64_t>(2.25), 8);
    Reseal(expected);
    EXPECT_EQ(ReadAll(dir / "x.per"), expected);
    TProfile loaded;
    EXPECT_EQ(LoadProfile(loaded, dir / "x.per"), "");
    EXPECT_EQ(loaded.info().BendRadius, 2.25);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, ProfileExtensionDamageTest,
    testing::Values(
        DamageCase{"a_flipped_bit_in_the_block", [](Bytes& f) { f[MainSize + 40] ^= 1; },
                   "soma de verificação não confere"},
        // A program that knows only the original layout made bar 1 thicker and kept the
        // bytes after the material index.
        DamageCase{"a_record_edited_by_a_layout_only_writer",
                   [](Bytes& f) { SetLE(f, 4 + 8, std::bit_cast<std::uint64_t>(3.0), 8); },
                   "soma de verificação não confere"},
        DamageCase{"cut_short", [](Bytes& f) { f.pop_back(); }, "bloco incompleto"},
        DamageCase{"only_its_signature", [](Bytes& f) { f.resize(MainSize + 8); },
                   "bloco incompleto"},
        DamageCase{"version_0",
                   [](Bytes& f) {
                       SetLE(f, MainSize + 8, 0, 4);
                       Reseal(f);
                   },
                   "versão desconhecida"},
        DamageCase{"a_point_that_does_not_round_to_the_main_part",
                   [](Bytes& f) {
                       SetLE(f, MainSize + 20, 1051, 8); // 10.51 rounds to 11, not 10
                       Reseal(f);
                   },
                   "coordenadas não conferem com o perfil"},
        DamageCase{"young_modulus_zero",
                   [](Bytes& f) {
                       SetLE(f, f.size() - 24, 0, 8);
                       Reseal(f);
                   },
                   "material fora do alcance"},
        DamageCase{"a_text_running_past_the_end",
                   [](Bytes& f) {
                       SetLE(f, MainSize + 20 + 2 * 32, 4000, 4); // the name
                       Reseal(f);
                   },
                   "bloco malformado"},
        DamageCase{"version_2_without_its_bend_radius",
                   [](Bytes& f) {
                       SetLE(f, MainSize + 8, 2, 4);
                       Reseal(f);
                   },
                   "bloco malformado"},
        DamageCase{"a_bend_radius_beyond_the_largest",
                   [](Bytes& f) {
                       SetLE(f, MainSize + 8, 2, 4);
                       PutLE(f, std::bit_cast<std::uint64_t>(100.5), 8);
                       Reseal(f);
                   },
                   "raio de dobra fora do alcance"},
        // A later version's fields are passed over.
        DamageCase{"version_3_with_a_field_more",
                   [](Bytes& f) {
                       SetLE(f, MainSize + 8, 3, 4);
                       PutLE(f, std::bit_cast<std::uint64_t>(2.25), 8);
                       PutLE(f, std::bit_cast<std::uint64_t>(7.0), 8);
                       Reseal(f);
                   },
                   ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExactPointTest, WholeMillimetresAreTheNearestTiesToEven) {
    const std::pair<TExactPoint, TPoint> cases[] = {
        {{1025, -1025}, {10, -10}}, {{1050, 1150}, {10, 12}}, {{-150, -250}, {-2, -2}},
        {{1051, 1049}, {11, 10}},   {{-1, 99}, {0, 1}},
    };
    for (const auto& [exact, whole] : cases) {
        TProfileObject o;
        SetExactPoint(o, TEnd::P2, exact);
        EXPECT_EQ(o.P2, whole) << exact.X << ", " << exact.Y;
        EXPECT_EQ(ExactPoint(o, TEnd::P2), exact);
        EXPECT_EQ(PointMm(o, TEnd::P2).X, static_cast<double>(exact.X) / 100);
    }
}

TEST(FileErrorTest, MessagesByErrorCode) {
    const std::vector<std::pair<int, std::string>> cases{
        {ENOENT, "File not found"},      {ENAMETOOLONG, "Invalid filename"},
        {EMFILE, "Too many open files"}, {ENFILE, "Too many open files"},
        {EACCES, "File access denied"},  {EROFS, "File access denied"},
        {ENOSPC, "I/O error 28"},        {EIO, "I/O error 5"}};
    for (const auto& [code, message] : cases)
        EXPECT_EQ(FileErrorMessage(code), message) << std::strerror(code);
}

} // namespace
