// Arbitrary bytes through the decoder that loading uses, then the section computation
// and the encoder that saving uses. Any file the decoder accepts must encode back to
// exactly its bytes, and after the computation's compaction to its surviving records
// renumbered 1..n with every other byte unchanged.
#include "MaterialList.h"
#include "PerfilError.h"
#include "ProfileFileCodec.h"
#include "SectionProperties.h"

#include <cstdint>
#include <cstdlib>
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
    Check(EncodeProfile(contents.Records, contents.MaterialIndex) == bytes);

    TProfile profile;
    profile.replace(contents.Records, contents.MaterialIndex);
    try {
        const TSectionResults r =
            ComputeSection(profile, MaterialText(profile.MaterialIndex()), ',');
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
