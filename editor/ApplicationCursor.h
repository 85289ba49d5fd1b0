#pragma once

#include "MouseEditor.h"

// The application-wide cursor shape that mouse editing asks for. Holds at most one
// override cursor of its own and removes it on crDefault or when destroyed.
class ApplicationCursor {
  public:
    ApplicationCursor() = default;
    ApplicationCursor(const ApplicationCursor&) = delete;
    ApplicationCursor& operator=(const ApplicationCursor&) = delete;
    ~ApplicationCursor();

    void set(TCursorShape shape);

  private:
    bool m_overriding = false;
};
