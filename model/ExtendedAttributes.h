#pragma once

#include <string>

// Gives the open file `to` every extended attribute of the file at path `from`, its access
// ACL (system.posix_acl_access) among them. False as soon as one of them cannot be read or
// set: the caller must then not let `to` take the place of `from`, as it would hold more
// or less than the old file allowed. A file system without extended attributes has none
// to copy.
bool CopyExtendedAttributes(const std::string& from, int to);
