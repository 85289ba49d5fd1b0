#include "ProfileFile.h"

#include "FileBytes.h"
#include "ProfileFileCodec.h"

void SaveProfile(TProfile& profile, const std::string& path) {
    profile.CompactObjects();
    WriteFileBytes(path, EncodeProfile(profile.liveObjects(), profile.MaterialIndex()));
}

TProfileFileContents ReadProfileFile(const std::string& path) {
    // Reading one byte past the largest profile file is enough to refuse a bigger one.
    return DecodeProfile(ReadFileBytes(path, ProfileFileMaxSize));
}

void LoadProfile(TProfile& profile, const std::string& path) {
    const TProfileFileContents contents = ReadProfileFile(path);
    profile.replace(contents.Records, contents.MaterialIndex);
}
