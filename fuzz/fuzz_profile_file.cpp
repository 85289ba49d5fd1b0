// Arbitrary bytes through the decoder that loading uses, then the section computation
// and the encoder that saving uses. Any file the decoder accepts must give back its main
// part exactly, and after the computation's compaction its surviving records renumbered
// 1..n with every other byte unchanged. What an extension block gave must survive an
// encoding and a decoding unchanged.
#include "ExactPoint.h"
#include "PerfilError.h"
#include "ProfileFileCodec.h"
#include "SectionEngineering.h"
#include "SectionProperties.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::vector<TProfileObject> Survivors(const std::vector<TProfileObject>& records) {
    std::vector<TProfileObject> survivors;
    for (TProfileObject o : records) {
        if (o.Number == 0)
            continue;
        o.Number = static_cast<std::int32_t>(survivors.size() + 1);
        survivors.push_back(o);
    }
    return survivors;
}

bool SameRecords(const std::vector<TProfileObject>& a, const std::vector<TProfileObject>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    TProfileFileContents contents;
    try {
        contents = DecodeProfile(bytes);
    } catch (const PerfilError& e) {
        Check(std::string_view(e.what()) == InvalidProfileFileMessage);
        return 0;
    }
    const std::vector<std::uint8_t> mainPart = EncodeProfile(contents.Records, contents.MaterialIndex);
    Check(mainPart.size() <= bytes.size() &&
          std::equal(mainPart.begin(), mainPart.end(), bytes.begin()));
    for (const TProfileObject& o : contents.Records)
        for (const TEnd end : {TEnd::P1, TEnd::P2})
            Check(RoundsTo(ExactPoint(o, end), end == TEnd::P1 ? o.P1 : o.P2));

    const TProfileFileContents again =
        DecodeProfile(EncodeProfile(contents.Records, contents.MaterialIndex, contents.Info));
    Check(SameRecords(again.Records, contents.Records) && again.Info == contents.Info &&
          again.Notice.empty());

    TProfile profile;
    profile.replace(contents.Records, contents.MaterialIndex, contents.Info);
    ComputeEngineering(profile, profile.info().Material.Text, ',');
    try {
        const TSectionResults r = ComputeSection(profile, profile.info().Material.Text, ',');
        // The derived values divide too; they must not trap either.
        volatile double derived = r.Weight() + r.Wx() + r.Wy();
        static_cast<void>(derived);
    } catch (const PerfilError&) {
        // A refused computation is an answer; only undefined behaviour is a fault.
    }
    Check(EncodeProfile(profile.liveObjects(), profile.MaterialIndex()) ==
          EncodeProfile(Survivors(contents.Records), contents.MaterialIndex));
    return 0;
}
