#include "ProfileFile.h"

#include "FileBytes.h"
#include "ProfileFileCodec.h"

void SaveProfile(TProfile& profile, const std::string& path) {
    profile.CompactObjects();
    WriteFileBytes(path,
                   EncodeProfile(profile.liveObjects(), profile.MaterialIndex(), profile.info()));
}

TProfileFileContents ReadProfileFile(const std::string& path) {
    // Reading one byte past the largest profile file is enough to refuse a bigger one.
    return DecodeProfile(ReadFileBytes(path, ProfileFileMaxSize));
}

std::string LoadProfile(TProfile& profile, const std::string& path) {
    TProfileFileContents contents = ReadProfileFile(path);
    profile.replace(contents.Records, contents.MaterialIndex, std::move(contents.Info));
    return contents.Notice;
}
