#pragma once

#include <dl_writer_ascii.h>

#include <string>

// dxflib's ASCII writer, aimed at a string instead of a file: the drawing is built whole
// in memory and only then written, in one atomic step, by the caller.
class DxfMemoryWriter : public DL_WriterA {
  public:
    DxfMemoryWriter();

    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;

    const std::string& text() const { return m_text; }

  private:
    void group(int gc, const std::string& value) const;

    mutable std::string m_text;
};
