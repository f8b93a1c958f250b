#include "model/system_error_text.h"

#include <cerrno>
#include <cstring>

namespace soatnoma {

bool IsNoSpaceLeft(int errorNumber) { return errorNumber == ENOSPC || errorNumber == EDQUOT; }

std::string SystemErrorText(int errorNumber) {
  if (IsNoSpaceLeft(errorNumber)) return std::string(kNoSpaceLeftText);
  return std::strerror(errorNumber);
}

}  // namespace soatnoma
