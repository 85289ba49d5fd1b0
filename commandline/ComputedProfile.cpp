#include "ComputedProfile.h"

#include "DrawingSurface.h"
#include "LocalFileName.h"
#include "LocaleText.h"
#include "MaterialList.h"
#include "ProfileFile.h"

TProfile LoadProfileFile(const QString& file) {
    TProfile profile;
    LoadProfile(profile, LocalFileName(file));
    return profile;
}

ComputedProfile ComputeProfileFile(const QString& file, const std::optional<QString>& material) {
    ComputedProfile computed{LoadProfileFile(file), {}, {}, {}};
    computed.material =
        material ? material->toStdString() : MaterialText(computed.profile.MaterialIndex());
    computed.results = ComputeSection(computed.profile, computed.material, DecimalSeparator());
    computed.engineering =
        ComputeEngineering(computed.profile, computed.material, DecimalSeparator());
    return computed;
}

ResultSource Source(const ComputedProfile& computed) {
    return {computed.results, computed.engineering, computed.profile, computed.material};
}

QImage DrawingAfterLoad(const TProfile& profile) {
    DrawingSurface surface;
    surface.RebuildBackground(true, DefaultGridStep);
    surface.ShowBackground();
    surface.DrawObjects(profile);
    return surface.image();
}
