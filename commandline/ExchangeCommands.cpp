#include "ExchangeCommands.h"

#include "BucklingJson.h"
#include "ComputedProfile.h"
#include "DrawingPictures.h"
#include "DxfExport.h"
#include "DxfImport.h"
#include "ErrorBoxText.h"
#include "LocalFileName.h"
#include "PerfilError.h"
#include "ProfileFile.h"
#include "ProfileInfo.h"
#include "ResultsJson.h"
#include "StandardSection.h"
#include "StandardStreams.h"
#include "Utf8Sequence.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Mode = CommandLine::Mode;

// The thickness box's value at start: what the editor would give a new object.
constexpr double DefaultThickness = 1.0;

QString ErrorText(const std::exception& e) {
    return ErrorBoxText(QString::fromUtf8(e.what()));
}

// Runs write, which writes the file named file; a failure names the file and its kind,
// as the report's PDF does.
void Write(const char* kind, const QString& file,
           const std::function<void(const std::string&)>& write) {
    try {
        write(LocalFileName(file));
    } catch (const PerfilError& e) {
        throw PerfilError(QStringLiteral("Não foi possível gravar o %1 \"%2\": %3.")
                              .arg(QLatin1String(kind), file, QString::fromUtf8(e.what()))
                              .toStdString());
    }
}

// The text as UTF-8, though it may be a file name that is not: each byte that is no
// part of UTF-8 is written \xNN, in hexadecimal.
std::string CsvText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(text[i]));
            out += escape;
        } else {
            out.append(text, i, length);
        }
        i += std::max<std::size_t>(length, 1);
    }
    return out;
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, quotes doubled.
// Every field comes after a comma; the record's first one is dropped when it is printed.
void AppendCsvField(std::string& record, std::string_view field) {
    const std::string text = CsvText(field);
    record += ',';
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        record += text;
        return;
    }
    record += '"';
    for (const char c : text) {
        if (c == '"')
            record += '"';
        record += c;
    }
    record += '"';
}

// Saves a profile made of records as the profile file: the material that --material gives,
// or the editor's first one.
void SaveNewProfile(std::span<const TProfileObject> records, const CommandLine& command,
                    std::string name, double bendRadius) {
    TProfile profile;
    if (command.material)
        profile.selectMaterial(command.material->toStdString());
    TProfileInfo info = profile.info();
    info.Name = std::move(name);
    info.BendRadius = bendRadius;
    profile.replace(records, profile.MaterialIndex(), info);
    Write("perfil", command.file,
          [&profile](const std::string& path) { SaveProfile(profile, path); });
}

// RFC 4180 ends every record with CR LF.
void PrintCsvRecord(std::string& record) {
    record += "\r\n";
    std::fwrite(record.data() + 1, 1, record.size() - 1, stdout);
    record.clear();
}

} // namespace

// One row per file: File, every field of the tables, Error. The header's names come
// from the same list as the values, so the two can never disagree. The rows are built
// as UTF-8 bytes directly: a catalogue has thousands of them.
bool PrintCsv(const CommandLine& command) {
    std::string record;
    AppendCsvField(record, "File");
    std::size_t columns = 0;
    for (const ResultField& field : ResultFields())
        if (field.inTables) {
            AppendCsvField(record, field.key);
            ++columns;
        }
    AppendCsvField(record, "Error");
    PrintCsvRecord(record);
    bool allComputed = true;
    for (const QString& file : command.files) {
        AppendCsvField(record, LocalFileName(file));
        try {
            const ComputedProfile computed = ComputeProfileFile(file, command.material);
            for (const ResultText& field : ResultTexts(Source(computed)))
                AppendCsvField(record, field.isText || field.value != "null" ? field.value : "");
            AppendCsvField(record, "");
        } catch (const std::exception& e) {
            allComputed = false;
            record.clear();
            AppendCsvField(record, LocalFileName(file));
            for (std::size_t i = 0; i < columns; ++i)
                AppendCsvField(record, "");
            AppendCsvField(record, ErrorText(e).toStdString());
        }
        PrintCsvRecord(record);
    }
    return allComputed;
}

// One JSON object per line and file, File first; a failing file gives File and Error.
bool PrintJsonLines(const CommandLine& command) {
    bool allComputed = true;
    for (const QString& file : command.files) {
        std::vector<ResultText> fields{{"File", LocalFileName(file), true}};
        try {
            const ComputedProfile computed = ComputeProfileFile(file, command.material);
            for (ResultText& field : ResultTexts(Source(computed)))
                fields.push_back(std::move(field));
            AppendSharpCornersField(fields, Source(computed));
            AppendBucklingField(fields, computed.profile, command.buckling);
        } catch (const std::exception& e) {
            allComputed = false;
            fields.push_back({"Error", ErrorText(e).toStdString(), true});
        }
        Print(stdout, QString::fromStdString(JsonObject(fields)));
    }
    return allComputed;
}

void ExportDrawing(const CommandLine& command) {
    const TProfile profile = LoadProfileFile(command.file);
    switch (command.mode) {
    case Mode::Dxf:
        Write("DXF", command.output,
              [&](const std::string& path) { ExportDxfFile(profile, path); });
        break;
    case Mode::Svg: {
        const QByteArray svg = DrawingSvg(profile, true, DefaultGridStep);
        Write("SVG", command.output, [&](const std::string& path) { WritePictureFile(path, svg); });
        break;
    }
    default: {
        const QByteArray png = DrawingPng(DrawingAfterLoad(profile));
        Write("PNG", command.output, [&](const std::string& path) { WritePictureFile(path, png); });
        break;
    }
    }
}

// The notice goes to standard error: standard output may be the profile itself.
void ImportDrawing(const CommandLine& command) {
    const TDxfImport import =
        ImportDxfFile(LocalFileName(command.dxfPath), command.thickness.value_or(DefaultThickness));
    SaveNewProfile(import.Records, command, command.name.value_or(QString()).toStdString(),
                   import.BendRadius);
    Print(stderr, QString::fromStdString(ImportNotice(import)));
}

void WriteStandardSection(const CommandLine& command) {
    const SectionRequest& section = *command.section;
    SaveNewProfile(SectionBars(section.designation, section.horizontal), command,
                   DesignationText(section.designation), section.radius);
}
