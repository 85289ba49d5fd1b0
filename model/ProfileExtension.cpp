#include "ProfileExtension.h"

#include "Crc32.h"
#include "Density.h"
#include "ExactPoint.h"
#include "LittleEndian.h"
#include "MaterialList.h"
#include "PerfilError.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>

using namespace LittleEndian;

namespace {

constexpr std::size_t VersionAt = 8, LengthAt = 12, ChecksumAt = 16, HeaderSize = 20;
// Four coordinates of eight bytes per record.
constexpr std::size_t CoordinateSize = 8, RecordPointsSize = 4 * CoordinateSize;

// The block's checksum: the main part, then the block around its checksum field.
std::uint32_t Checksum(std::span<const std::uint8_t> mainPart,
                       std::span<const std::uint8_t> block) {
    std::uint32_t crc = Crc32(mainPart);
    crc = Crc32(block.first(ChecksumAt), crc);
    return Crc32(block.subspan(ChecksumAt + 4), crc);
}

// The density for readers that do not read the text; beyond float64 it is infinite.
double DensityOf(const std::string& text) {
    try {
        return ReadDensity(text, ',');
    } catch (const PerfilError&) {
        return std::numeric_limits<double>::infinity();
    }
}

// Reads fields one after the other; a field past the end makes the reader fail.
class FieldReader {
  public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::optional<double> float64() {
        const std::uint8_t* in = take(8);
        return in ? std::optional(GetDouble(in)) : std::nullopt;
    }
    // A length-prefixed text of at most TProfileInfo::MaxTextBytes.
    std::optional<std::string> text() {
        const std::uint8_t* in = take(4);
        if (!in)
            return std::nullopt;
        const std::uint64_t size = GetUInt<4>(in);
        if (size > TProfileInfo::MaxTextBytes)
            return std::nullopt;
        const std::uint8_t* chars = take(static_cast<std::size_t>(size));
        if (!chars)
            return std::nullopt;
        return std::string(reinterpret_cast<const char*>(chars), static_cast<std::size_t>(size));
    }
    bool atEnd() const { return m_at == m_bytes.size(); }

  private:
    const std::uint8_t* take(std::size_t size) {
        if (size > m_bytes.size() - m_at)
            return nullptr;
        const std::uint8_t* in = m_bytes.data() + m_at;
        m_at += size;
        return in;
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

void PutText(std::vector<std::uint8_t>& out, const std::string& text) {
    if (text.size() > TProfileInfo::MaxTextBytes)
        throw std::length_error("text longer than a profile file holds");
    const std::size_t at = out.size();
    out.resize(at + 4);
    PutUInt<4>(out.data() + at, text.size());
    out.insert(out.end(), text.begin(), text.end());
}

void PutFloat64(std::vector<std::uint8_t>& out, double value) {
    const std::size_t at = out.size();
    out.resize(at + 8);
    PutDouble(out.data() + at, value);
}

} // namespace

bool NeedsExtension(std::span<const TProfileObject> records, std::int32_t materialIndex,
                    const TProfileInfo& info) {
    const TMaterial defaults;
    return std::ranges::any_of(records, HasFraction) || !info.Name.empty() ||
           info.Material.Text != MaterialText(materialIndex) || info.Material.E != defaults.E ||
           info.Material.Nu != defaults.Nu || info.Material.Fy != defaults.Fy ||
           info.BendRadius != 0;
}

void AppendExtension(std::vector<std::uint8_t>& file, std::span<const TProfileObject> records,
                     const TProfileInfo& info) {
    const std::size_t mainSize = file.size();
    file.resize(mainSize + HeaderSize + RecordPointsSize * records.size());
    std::uint8_t* out = file.data() + mainSize;
    std::copy(std::begin(ExtensionSignature), std::end(ExtensionSignature), out);
    const bool bends = info.BendRadius != 0;
    PutUInt<4>(out + VersionAt, bends ? ExtensionVersion : 1);
    out += HeaderSize;
    for (const TProfileObject& o : records)
        for (const TEnd end : {TEnd::P1, TEnd::P2}) {
            const TExactPoint p = ExactPoint(o, end);
            PutInt64(out, p.X);
            PutInt64(out + CoordinateSize, p.Y);
            out += 2 * CoordinateSize;
        }
    PutText(file, info.Name);
    PutText(file, info.Material.Text);
    PutFloat64(file, DensityOf(info.Material.Text));
    PutFloat64(file, info.Material.E);
    PutFloat64(file, info.Material.Nu);
    PutFloat64(file, info.Material.Fy);
    if (bends)
        PutFloat64(file, info.BendRadius);

    const std::span<std::uint8_t> block = std::span(file).subspan(mainSize);
    PutUInt<4>(block.data() + LengthAt, block.size());
    PutUInt<4>(block.data() + ChecksumAt,
               Checksum(std::span(file).first(mainSize), block));
}

bool StartsExtension(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= sizeof ExtensionSignature &&
           std::equal(std::begin(ExtensionSignature), std::end(ExtensionSignature),
                      bytes.begin(), [](char a, std::uint8_t b) {
                          return static_cast<std::uint8_t>(a) == b;
                      });
}

std::string ReadExtension(std::span<const std::uint8_t> mainPart,
                          std::span<const std::uint8_t> block,
                          std::span<TProfileObject> records, TProfileInfo& info) {
    if (block.size() < HeaderSize || GetUInt<4>(block.data() + LengthAt) != block.size())
        return "bloco incompleto";
    const std::uint64_t version = GetUInt<4>(block.data() + VersionAt);
    if (version == 0)
        return "versão desconhecida";
    if (GetUInt<4>(block.data() + ChecksumAt) != Checksum(mainPart, block))
        return "soma de verificação não confere";

    // The points are checked all before any is written, so that a refused block leaves the
    // records as they were.
    const std::span<const std::uint8_t> points = block.subspan(HeaderSize);
    if (points.size() < RecordPointsSize * records.size())
        return "bloco malformado";
    auto pointAt = [&](std::size_t record, TEnd end) {
        const std::uint8_t* in =
            points.data() + RecordPointsSize * record + (end == TEnd::P1 ? 0 : 2 * CoordinateSize);
        return TExactPoint{GetInt64(in), GetInt64(in + CoordinateSize)};
    };
    for (std::size_t i = 0; i < records.size(); ++i)
        if (!RoundsTo(pointAt(i, TEnd::P1), records[i].P1) ||
            !RoundsTo(pointAt(i, TEnd::P2), records[i].P2))
            return "coordenadas não conferem com o perfil";
    FieldReader reader(points.subspan(RecordPointsSize * records.size()));
    TProfileInfo read;
    std::optional<std::string> name = reader.text(), material = reader.text();
    const std::optional<double> density = reader.float64(), e = reader.float64(),
                                nu = reader.float64(), fy = reader.float64();
    const std::optional<double> radius = version >= 2 ? reader.float64() : 0.0;
    if (!name || !material || !density || !e || !nu || !fy || !radius ||
        (version <= ExtensionVersion && !reader.atEnd()))
        return "bloco malformado";
    read.Name = std::move(*name);
    read.Material = {std::move(*material), *e, *nu, *fy};
    read.BendRadius = *radius;
    if (!read.Material.constantsInRange())
        return "material fora do alcance";
    if (!read.bendRadiusInRange())
        return "raio de dobra fora do alcance";
    for (std::size_t i = 0; i < records.size(); ++i)
        for (const TEnd end : {TEnd::P1, TEnd::P2})
            SetExactPoint(records[i], end, pointAt(i, end));
    info = std::move(read);
    return {};
}
