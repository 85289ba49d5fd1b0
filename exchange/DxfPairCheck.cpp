#include "DxfPairCheck.h"

#include "DxfNumber.h"

#include <string_view>

namespace {

bool Drawn(std::string_view type) {
    return type == "LINE" || type == "LWPOLYLINE" || type == "POLYLINE" || type == "VERTEX" ||
           type == "POINT" || type == "ARC";
}

// The group codes whose values are reals: coordinates, widths, thickness, radius,
// angles, bulge and the plane's normal.
bool IsRealCode(int code) {
    return (code >= 10 && code <= 59) || (code >= 210 && code <= 239);
}

std::string Quoted(std::string_view value) {
    return "\"" + std::string(value) + "\"";
}

} // namespace

void DxfPairCheck::take(int code, std::string_view value, std::size_t line) {
    if (!m_fault.empty())
        return;
    if (code == 0) {
        endEntity();
        const std::string_view type = DxfStripped(value);
        if (type == "ENDSEC")
            m_section.clear();
        m_sectionStarts = type == "SECTION";
        m_entity = m_section == "ENTITIES" && Drawn(type) ? std::string(type) : std::string();
        m_entityLine = line;
        return;
    }
    if (m_sectionStarts && code == 2)
        m_section = DxfStripped(value);
    m_sectionStarts = false;
    if (m_section == "HEADER")
        takeHeader(code, value, line);
    else if (!m_entity.empty())
        takeEntity(code, value, line);
}

void DxfPairCheck::finish() {
    if (m_fault.empty())
        endEntity();
}

void DxfPairCheck::takeHeader(int code, std::string_view value, std::size_t line) {
    if (code == 9) {
        m_variable = DxfStripped(value);
        return;
    }
    if (code != 70 || m_variable != "$INSUNITS")
        return;
    if (const std::optional<long long> units = DxfInteger(value))
        m_insUnits = *units;
    else
        fail("$INSUNITS na linha " + std::to_string(line) +
             " não é um número inteiro: " + Quoted(value));
}

std::string DxfPairCheck::entityName() const {
    return "A entidade " + m_entity + " da linha " + std::to_string(m_entityLine);
}

void DxfPairCheck::takeEntity(int code, std::string_view value, std::size_t line) {
    if (IsRealCode(code) && !DxfReal(value)) {
        fail(entityName() + " tem um número inválido na linha " + std::to_string(line) + ": " +
             Quoted(value));
        return;
    }
    if (m_entity != "LWPOLYLINE")
        return;
    if (code == 10)
        ++m_givenVertices;
    if (code != 90)
        return;
    m_declaredVertices = DxfInteger(value);
    if (!m_declaredVertices)
        fail(entityName() + " tem um número de vértices inválido na linha " + std::to_string(line) +
             ": " + Quoted(value));
}

void DxfPairCheck::endEntity() {
    if (m_entity == "LWPOLYLINE") {
        if (!m_declaredVertices)
            fail(entityName() + " não diz quantos vértices tem (código 90)");
        else if (m_givenVertices > *m_declaredVertices)
            fail(entityName() + " diz ter " + std::to_string(*m_declaredVertices) +
                 " vértices e dá " + std::to_string(m_givenVertices));
    }
    m_entity.clear();
    m_declaredVertices.reset();
    m_givenVertices = 0;
}

void DxfPairCheck::fail(std::string fault) {
    if (m_fault.empty())
        m_fault = std::move(fault);
}
