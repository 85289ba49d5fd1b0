#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Watches the group-code / value pairs that dxflib reads for what dxflib would silently
// read as something else than written: a number that is no number (it gives 0), an
// integer beyond its range (it wraps), an LWPOLYLINE without its vertex count (it reuses
// the previous one's vertices) or with fewer counted than given (it drops the rest). Only
// the header and the entities that the import draws are watched.
class DxfPairCheck {
  public:
    // Takes the pairs in the order of the text; line is the line number of the value.
    void take(int code, std::string_view value, std::size_t line);
    // At the end of the text, which also ends its last entity.
    void finish();

    // The first fault found, in Portuguese, naming the entity and the lines; empty while
    // there is none.
    const std::string& fault() const { return m_fault; }
    // $INSUNITS as written, 0 when absent.
    long long insUnits() const { return m_insUnits; }

  private:
    void takeHeader(int code, std::string_view value, std::size_t line);
    void takeEntity(int code, std::string_view value, std::size_t line);
    void endEntity();
    // "A entidade TYPE da linha N", the entity being read.
    std::string entityName() const;
    void fail(std::string fault);

    std::string m_fault;
    long long m_insUnits = 0;
    std::string m_section;
    bool m_sectionStarts = false;
    std::string m_variable;
    std::string m_entity; // empty outside the entities drawn
    std::size_t m_entityLine = 0;
    std::optional<long long> m_declaredVertices;
    long long m_givenVertices = 0;
};
